#include "messages/catalogue.h"

#include <algorithm>
#include <array>

namespace wm4 {
namespace {

// How an entry uses the caller's text.
enum class Kind {
    Fixed,          // the fixed text alone; the caller's text is ignored
    Text,           // fixed text + caller's text
    TextAndEnding,  // fixed text + caller's text + fixed ending
};

struct Entry {
    int number;
    const char16_t* head;
    Kind kind = Kind::Fixed;
    const char16_t* ending = u"";
};

// Every text starts with its own number so the user can always quote it. Texts
// are kept exactly as users and support know them, trailing blanks included.
// Each hundred has a placeholder entry (NN00).
constexpr std::array catalogue = std::to_array<Entry>({
    {999,
     u"999-Wendmoor4 has no web address for this tax form. Look the form up on the tax "
     u"authority's forms page in your web browser. "},
    {1100, u"1100-Error messages go here"},
    {1101,
     u"1101-You should save client files with the extension wm4. The extension of this file is "
     u"being changed to wm4. "},
    {1106, u"1106 -An error occurred while attempting to View a continuation page. "},
    {1107, u"1107-Error in New Form routine - ", Kind::Text},
    {1108,
     u"1108-The screen is narrower than 1024 pixels, the width Wendmoor4's pages are laid out "
     u"for: the window starts minimized and shows the pages at 90 percent. Use a screen "
     u"resolution at least 1024 pixels wide to see whole pages. "},
    {1126, u"1126-Error in Delete Form routine - ", Kind::Text},
    {1129, u"1129-Bad Tag. Please call Quillon Vale Software about this error. "},
    {1134,
     u"1134-Wendmoor4 could not read its template case default.wm4 in the client files folder, so "
     u"new cases start empty. Remove that file: Wendmoor4 puts a fresh copy there at its next "
     u"start. The reason: ",
     Kind::Text},
    {1155,
     u"1155-Word Processing Error. You must have LibreOffice Writer installed for Send to Word "
     u"Processor to work: install the Debian package libreoffice-writer, or name its program "
     u"with Options > Find LibreOffice Writer. If Writer is not available, use the Print "
     u"function which will send the file to your default RTF viewer "
     u"(Options > Force Default RTF Viewer). "},
    {1200, u"1200-Error in Margins"},
    {1202, u"1202-Unable to convert the text - ", Kind::TextAndEnding,
     u" - to a number. Str2Float_2. "},
    {1210,
     u"1210-Overflow Error. Too much worksheet information is being sent to Form 18.9. The amount "
     u"exceeds 25 pages in length. "},
    {1211,
     u"1211-Overflow Error. Too much worksheet information is being sent to the worksheet print "
     u"out. The amount exceeds 25 pages in length. "},
    {1300, u"1300-ErrorMessage. "},
    // The settings errors quote the file, the line and the reason.
    {1301,
     u"1301-INI File Error. Wendmoor4 was unable to find or read the configuration file, usually "
     u"by default: \"~/.config/Quillon/Wendmoor4/wendmoor4.ini\". Wendmoor4 will fix this error "
     u"automatically. If it occurs regularly this issue needs investigation. The reason: ",
     Kind::Text},
    {1302,
     u"1302-INI File Error. Wendmoor4 was unable to write/update the configuration file, usually "
     u"by default: \"~/.config/Quillon/Wendmoor4/wendmoor4.ini\". Wendmoor4 will fix this error "
     u"automatically the next time it starts. If it occurs regularly this issue needs "
     u"investigation. The reason: ",
     Kind::Text},
    {1400, u"1400-Error messages go here. "},
    {1401, u"1401-Clear page error in Main. "},
    {1402, u"1402-Form create error in multiple. "},
    {1403, u"1403-ContinuationDlg error in Main. "},
    {1404, u"1404-PresentContinuationDlg error in Main. "},
    {1405, u"1405-DisplayKinWorksheet error in Main. "},
    {1406, u"1406-CalcTtls. Bad Form 3.0 Category Code. "},
    {1407, u"1407-CalcTtls. Bad Form 4.0 Category Code. "},
    {1409, u"1409-. "},
    {1500, u"1500-Reserved."},
    {1501,
     u"1501-The directory choice is not valid. You'll need to reset the default zq3 file location "
     u"when the dialog opens. The default path is ~/Documents/Wendmoor4/Files/"},
    {1503, u"1503-The directory you chose does not exist or there is an access problem."},
    {1600, u"1600-Error messages go here"},
    {1601,
     u"1601. You sent an asset to Form 3.0, but have not categorized it. Click on the \"Set\" "
     u"button to the right of the \"Category:\" label on the Asset Worksheet and pick an "
     u"appropriate category. The uncategorized asset is: ",
     Kind::TextAndEnding, u"...."},
    {1602,
     u"1602. You sent an asset to Form 4.0, but have not categorized it. Click on the \"Set\" "
     u"button to the right of the \"Category:\" label on the Asset Worksheet and pick an "
     u"appropriate category. The uncategorized asset is: ",
     Kind::TextAndEnding, u"...."},
    {1603,
     u"1603. You sent an asset to Form 5.1, but have not categorized it. Click on the \"Set\" "
     u"button to the right of the \"Category:\" label on the Asset Worksheet and pick an "
     u"appropriate category. The uncategorized asset is: ",
     Kind::TextAndEnding, u"...."},
    {1604,
     u"1604. You sent an asset to Form 5.6, but have not categorized it. Click on the \"Set\" "
     u"button to the right of the \"Category:\" label on the Asset Worksheet and pick an "
     u"appropriate category. The uncategorized asset is: ",
     Kind::TextAndEnding, u"...."},
    {1605,
     u"1605. You sent an asset to Form 5.10, but have not categorized it. Click on the \"Set\" "
     u"button to the right of the \"Category:\" label on the Asset Worksheet and pick an "
     u"appropriate category. The uncategorized asset is: ",
     Kind::TextAndEnding, u"...."},
    {1606,
     u"1606. You sent an asset to Form 6.0, but have not categorized it. Click on the \"Set\" "
     u"button to the right of the \"Category:\" label on the Asset Worksheet and pick an "
     u"appropriate category. The uncategorized asset is: ",
     Kind::TextAndEnding, u"...."},
    {1607,
     u"1607. You sent an asset to Form 7.1, but have not categorized it. Click on the \"Set\" "
     u"button to the right of the \"Category:\" label on the Asset Worksheet and pick an "
     u"appropriate category. The uncategorized asset is: ",
     Kind::TextAndEnding, u"...."},
    {1608,
     u"1608. You sent an asset to Form 7.2 but have not categorized it. Click on the \"Set\" "
     u"button to the right of the \"Category:\" label on the Asset Worksheet. The asset with the "
     u"category is: ",
     Kind::TextAndEnding, u"...."},
    {1609,
     u"1609. You sent an asset to Form 13.0 but have not categorized it. Click on the \"Set\" "
     u"button to the right of the \"Category:\" label on the Asset Worksheet. The asset with the "
     u"category is: ",
     Kind::TextAndEnding, u"...."},
    {1610,
     u"1610. You sent an asset to Form 13.2 but have not categorized it. Click on the \"Set\" "
     u"button to the right of the \"Category:\" label on the Asset Worksheet. The asset with the "
     u"category is: ",
     Kind::TextAndEnding, u"...."},
    {1611,
     u"1611. You sent an asset to the Executor's fee calculation form  but have not categorized "
     u"it. Click on the \"Set\" button to the right of the \"Category:\" label on the Asset "
     u"Worksheet. The asset with the category is: ",
     Kind::TextAndEnding, u"...."},
    {1612,
     u"1612. You sent an asset to the attorney's fee calculation form  but have not categorized "
     u"it. Click on the \"Set\" button to the right of the \"Category:\" label on the Asset "
     u"Worksheet. The asset with the category is: ",
     Kind::TextAndEnding, u"...."},
    {1613,
     u"1613. You sent a disbursement to Form 13.0 but have not categorized it. Choose its "
     u"category in the \"13.0/13.1 Category\" list on the Expense Worksheet. The disbursement "
     u"with the category is: ",
     Kind::TextAndEnding, u"...."},
    {1614,
     u"1614. You sent a disbursement to Form 24.4 but have not categorized it. Choose its "
     u"category in the \"24.4 Category\" list on the Expense Worksheet. The disbursement without "
     u"a category is: ",
     Kind::TextAndEnding, u"...."},
    {1700, u"1700-Error messages go here"},
    {1800, u"1800-Error messages go here"},
    {1801, u"1801-Too many copies of ", Kind::TextAndEnding,
     u": a case holds at most 100 copies of one form or page, and the copies beyond the 100th "
     u"are neither calculated nor printed. Send fewer worksheet rows to that form (clear the "
     u"send-to mark of the rows it does not need), or keep the remaining persons or items in a "
     u"second case file (File > Save As, then delete them from one of the two) and print the "
     u"form from each. "},
    {1802,
     u"1802-TAnswer.Create. An error occurred when Wendmoor4 attempted to create an answer "
     u"structure for the imported file. "},
    {1803, u"1803-Unable to create attachment.txt file. "},
    {1804,
     u"1804-An error occurred when Wendmoor4 attempted to create an answer structure for the file "
     u"to be opened. "},
    {1805,
     u"1805-ImportLastYearFile. An error occurred when Wendmoor4 attempted to open the file being "
     u"imported. "},
    {1900, u"1900-Error messages go here"},
    {2000, u"2000-Error messages go here. "},
    {2100, u"2100-Error messages go here"},
    {2101, u"2101-ConvertTeens. There was a dollar error on the attorney fee form. "},
    {2102, u"2102-ConvertDate. Wendmoor4 was unable to convert a date to a string. "},
    {2106, u"2106-GetNumFromText. Possible bad RTF template file. "},
    {2107, u"2107-GetNumFromText. Possible bad RTF template file. "},
    {2108, u"2108-DisplayAbbrFileName. "},
    {2109,
     u"2109-Float2Dollar. An error occurred when Wendmoor4 attempted to convert real number to a "
     u"text representation. "},
    {2110,
     u"2110-InsertString. This error occurs as Wendmoor4 substitutes text for the variables in the "
     u"RTF template. This can occur when the RTF has been corrupted and reinstalling Wendmoor4 "
     u"should fix the problem. "},
    {2111,
     u"2111-MakeReal. An error occurred while Wendmoor4 was attempting to read a real number, ie., "
     u"converting one of your text entries to a real number. Check your entries. "},
    {2112,
     u"2112-MakeReal_2. An error occurred while Wendmoor4 was attempting to read a real number, "
     u"ie., converting one of your text entries to a real number. Check your entries. "},
    {2113,
     u"2113-MakeTab. An error occurred decoding a tab position in the screen/print TXT file. "},
    {2114, u"2114-Remove Asterisk. "},
    {2115, u"2115-RemoveCommasAndSigns. "},
    {2116, u"2116-RemoveHyphens. "},
    {2117,
     u"2117-Str2Float_4. An error occurred while Wendmoor4 was converting an entry to a real "
     u"number. "},
    {2118,
     u"2118-Str2Float_P. An error occurred while Wendmoor4 was attempting to convert this text to "
     u"a real number: ",
     Kind::Text},
    {2119,
     u"2119-Str2Float_0. An error occurred while Wendmoor4 was attempting to convert this text to "
     u"a real number: ",
     Kind::Text},
    {2120,
     u"2120-Str2Float_2. An error occurred while Wendmoor4 was attempting to convert this text to "
     u"a real number: ",
     Kind::Text},
    {2121,
     u"2121-Str2Int. An error occurred while Wendmoor4 was attempting to convert this text to an "
     u"integer number: ",
     Kind::Text},
    {2122,
     u"2122-ConvertDate. An error occurred while Wendmoor4 was attempting to convert this text to "
     u"a date: ",
     Kind::Text},
    {2123,
     u"2123-TransferDocument. This error occurs as Wendmoor4 substitutes text for the variables in "
     u"the RTF template. This can occur when the RTF has been corrupted and reinstalling Wendmoor4 "
     u"may fix the problem. "},
    {2124, u"2124-TrimStr. "},
    {2125,
     u"2125-TransferAnswers. This error occurs as Wendmoor4 substitutes text for the variables in "
     u"the RTF template. This can occur when the RTF has been corrupted and reinstalling Wendmoor4 "
     u"may fix the problem. "},
    {2126, u"2126-NumberToWords. "},
    {2127, u"2127-NumberToWords. "},
    {2134,
     u"2134-Str2Date. An error occurred while Wendmoor4 was attempting to convert this text to a "
     u"valid date: ",
     Kind::Text},
    {2139,
     u"2139-Font reduction below zero. This error usually denotes a corrupt RTF file. "
     u"Reinstallation may fix this problem. "},
    {2200, u"2200-Error messages go here"},
    {2300, u"2300-Error messages go here"},
    {2305, u"2305-No record selected."},
    {2400, u"2400-Error messages go here"},
    {2500, u"2500-Error messages go here"},
    {2501,
     u"2501-The account schedule or the schedule of claims would need 100 sheets or more, more "
     u"than a case can print, so it is left out of the packet. Condense the descriptions of the "
     u"asset and expense rows sent to the account, or combine small items into one row. "},
    {2502,
     u"2502-Form 2.2, the notice of probate, is printed for at most 40 persons, and a person "
     u"marked for it beyond the 40th was not counted. Clear the Form 2.2 mark on the Kin "
     u"Worksheet of the persons who need no notice, or print the other notices from a second "
     u"case file. "},
    {2503,
     u"2503-The inventory schedule (Form 6.1), the schedule of assets remaining or the "
     u"Commissioner's Report would need 100 sheets or more, more than a case can print, so it is "
     u"left out of the packet. Condense the descriptions of the asset rows sent to it, or "
     u"combine small items into one row. "},
    {2600, u"2600-Error messages go here"},
    {2700, u"2700-Error messages go here"},
    {2800, u"2800-Error messages go here"},
    {2900, u"2900-Error messages go here"},
    {2901,
     u"2901-The Form 2.0 waiver only has space for 8 persons. If you have more than 8, you should "
     u"use Form 2.1 instead. The person causing this error is being removed from Form 2.1."},
    {2902,
     u"2902-General Information Worksheet Error. You should only check one of the Person/Estate "
     u"checkboxes."},
    {2903,
     u"2903-General Information Worksheet Error. You should only check one of the "
     u"Minor/Incompetent checkboxes."},
    {2904,
     u"2904-General Information Worksheet Error. You should only check one of the "
     u"Definite/Indefinite checkboxes."},
    {2905,
     u"2905-Computation of Guardian Fees Error. Enter a percentage as a decimal. Your entry of ",
     Kind::TextAndEnding, u" is being erased. Please re-enter. "},
    {2906,
     u"2906-Form 2.1 has space for 34 persons. If you have more than 34, there are 8 more lines at "
     u"the bottom of Form 2.0, and if that's not enough, you can platoon Form 2.1. See our YouTube "
     u"video on platooning. The person causing this error is being removed from Form 2.1."},
    {2907,
     u"2907-The Form 4.0 waiver only has space for 8 persons. If you have more than 8, you should "
     u"use Form 4.3 instead. The person causing this error is being removed from Form 4.0."},
    {2908,
     u"2908-Form 4.3 has space for 34 persons. If you have more than 34, there are 8 more lines on "
     u"Form 4.0, and if that's not enough, you can platoon Form 4.3. See our YouTube video on "
     u"platooning. The person causing this error is being removed from Form 4.3."},
    {2909,
     u"2909-The Form 5.0 waiver only has space for 8 persons. If you have more than 8, you should "
     u"use Form 5.2 instead. The person causing this error is being removed from Form 5.0."},
    {2910,
     u"2910-Form 5.2 has space for 36 persons. If you have more than 36, there are 8 more lines on "
     u"Form 5.0, and if that's not enough, you can platoon Form 5.2. See our YouTube video on "
     u"platooning. The person causing this error is being removed from Form 5.2."},
    {2911,
     u"2911-The Form 6.0 waiver only has space for 14 persons. If you have more than 14, you "
     u"should use Form 6.2 instead. The person causing this error is being removed from Form 6.0."},
    {2912,
     u"2912-Form 6.2 has space for 36 persons. If you have more than 36, there are 14 more lines "
     u"on Form 6.0, and if that's not enough, you can platoon Form 6.2. See our YouTube video on "
     u"platooning. The person causing this error is being removed from Form 6.2."},
    {2913,
     u"2913-The Attorney Fee Application consent only has space for 10 persons. If you have more "
     u"than 10, you can platoon this form. See our YouTube video on platooning. The person causing "
     u"this error is being removed from the consent."},
    {2914,
     u"2914-The Form 10.0 consent only has space for 8 persons. If you have more than 8, you can "
     u"platoon this form. See our YouTube video on platooning. The person causing this error is "
     u"being removed from the consent."},
    {2915,
     u"2915-The Form 11.0 consent only has space for 26 persons. If you have more than 26, you can "
     u"platoon this form. See our YouTube video on platooning. The person causing this error is "
     u"being removed from the consent."},
    {2916,
     u"2916-The Form 13.4 waiver only has space for 24 persons. If you have more than 24, you can "
     u"platoon this form. See our YouTube video on platooning. The person causing this error is "
     u"being removed from the consent."},
    {2917,
     u"2917-Form 5.1 is limited to 22 lines of text. You have assigned more text than will fit on "
     u"that form. You need to revisit the Asset Worksheet and remove some items, or condense the "
     u"text so it will fit in the alloted space."},
    {2918,
     u"2918-The asset portion of Form 5.1 is limited to 22 lines of text. You have assigned more "
     u"text than will fit on that form. You need to revisit the Asset Worksheet and remove some "
     u"items, or condense the text so it will fit in the alloted space."},
    {2919,
     u"2919-The expense portion of Form 5.1 is limited to 30 lines of text. You have assigned more "
     u"text than will fit on that form. You need to revisit the Expense Worksheet and remove some "
     u"items, or condense the text so it will fit in the alloted space."},
    {2920,
     u"2920-The personal property section of Form 5.6 is limited to 2 lines of text. You have "
     u"assigned more text than will fit on that form. You need to revisit the Asset Worksheet and "
     u"remove some items, or condense the text so it will fit in the alloted space."},
    {2921,
     u"2921-The financial institution section of Form 5.6 is limited to 3 lines of text. You have "
     u"assigned more text than will fit on that form. You need to revisit the Asset Worksheet and "
     u"remove some items, or condense the text so it will fit in the alloted space."},
    {2922,
     u"2922-The debts to be paid section of Form 5.6 is limited to 2 lines of text. You have "
     u"assigned more text than will fit on that form. You need to revisit the Expense Worksheet "
     u"and remove some items, or condense the text so it will fit in the alloted space."},
    {2923,
     u"2923-The remainder to be distributed section of Form 5.6 is limited to 32 lines of text. "
     u"You have assigned more text than will fit on that form. You need to revisit the Asset "
     u"Worksheet and remove some items, or condense the text so it will fit in the alloted space."},
    {2924,
     u"2924-Form 7.2 has room for 5 minors. If you have more than 5, you can platoon this form. "
     u"See our YouTube video on platooning. The person causing this error is being removed from "
     u"the consent.."},
    {2925,
     u"2925-The schedule of property to be sold of Form 9.0 is limited to 20 lines of text. You "
     u"have assigned more text than will fit on that form. You need to revisit the Asset Worksheet "
     u"and remove some items, or condense the text so it will fit in the alloted space."},
    {2926,
     u"2926-The schedule of property to be distributed in kind section of Form 10.0 is limited to "
     u"12 lines of text. You have assigned more text than will fit on that form. You need to "
     u"revisit the Asset Worksheet and remove some items, or condense the text so it will fit in "
     u"the alloted space."},
    {2927,
     u"2927-The legal description section of Form 11.0 is limited to 41 lines of text. You have "
     u"assigned more text than will fit on that form. You need to revisit the Asset Worksheet and "
     u"remove some items, or condense the text so it will fit in the alloted space."},
    {2928,
     u"2928-The legal description section of Form 12.0 is limited to 32 lines of text. You have "
     u"assigned more text than will fit on that form. You need to revisit the Asset Worksheet and "
     u"remove some items, or condense the text so it will fit in the alloted space."},
    {2929,
     u"2929-Assets with readily ascertainable value sent to Form 3.0 may be truncated because your "
     u"description(s) exceed the space provided on the form. You need to revisit the Asset "
     u"Worksheet and remove some items, or condense the text so it will fit in the alloted space. "
     u"Try shortening your descriptions. Legal descriptions will almost never fit. "},
    {2930,
     u"2930-Real estate sent to Form 3.0 may be truncated because your description(s) exceed the "
     u"space provided on the form. You need to revisit the Asset Worksheet and remove some items, "
     u"or condense the text so it will fit in the alloted space. Try shortening your descriptions. "
     u"Complete legal descriptions will almost never fit. "},
    {2931,
     u"2931-Personal property without readily ascentainable values sent to Form 3.0 may be "
     u"truncated because your description(s) exceed the space provided on the form. You need to "
     u"revisit the Asset Worksheet and remove some items, or condense the text so it will fit in "
     u"the alloted space. Try shortening your descriptions. Complete legal descriptions will "
     u"almost never fit. "},
    {2939,
     u"2939-Form 8.2, the surviving spouse's election, could not be calculated: its answers stay "
     u"as they were before this calculation. Check the dates and amounts typed on Form 8.2 and "
     u"on the General Information page, then press Refresh. "},
    {3000, u"3000-Error messages go here"},
    {3001,
     u"3001-The \"motor vehicle\" portion of Form 5.10 is limited to 2 lines of text. You have "
     u"assigned more text than will fit on that form. You need to revisit the Asset Worksheet and "
     u"remove some items, or condense the text so it will fit in the alloted space."},
    {3002,
     u"3002-The \"accounts\" portion of Form 5.10 is limited to 2 lines of text. You have assigned "
     u"more text than will fit on that form. You need to revisit the Asset Worksheet and remove "
     u"some items, or condense the text so it will fit in the alloted space."},
    {3003,
     u"3003-The \"stocks and bonds\" portion of Form 5.10 is limited to 2 lines of text. You have "
     u"assigned more text than will fit on that form. You need to revisit the Asset Worksheet and "
     u"remove some items, or condense the text so it will fit in the alloted space."},
    {3004,
     u"3004-The \"other assets\" portion of Form 5.10 is limited to 2 lines of text. You have "
     u"assigned more text than will fit on that form. You need to revisit the Asset Worksheet and "
     u"remove some items, or condense the text so it will fit in the alloted space."},
    {3018,
     u"3018-The family allowance section of Form 7.1 has room for 5 assets. You have sent more "
     u"assets to Form 7.1 than will fit on that form. Send fewer assets to Form 7.1 on the Asset "
     u"Worksheet, or tick \"Continue text that does not fit on an addendum page\" in Preferences "
     u"so that the rest are listed on an addendum."},
    {3020,
     u"3020-The apportionment to others on the back of Form 7.2 has room for 6 assets. You have "
     u"sent more assets of the category \"Others\" to Form 7.2 than will fit on that form. Send "
     u"fewer of them to Form 7.2 on the Asset Worksheet, or tick \"Continue text that does not "
     u"fit on an addendum page\" in Preferences so that the rest are listed on an addendum."},
    {3021,
     u"3021-The consent on Form 9.0 has room for 5 persons, and more persons are marked for Form "
     u"9.0 on the Kin Worksheet: the ones after the fifth are not on the form. Clear the Form 9.0 "
     u"mark of the persons who need not consent, or have the others sign a second consent. "},
    {3027,
     u"3027-The persons entitled on the back of Form 12.1 have room for 15 names. The parcel's "
     u"distributees on the Asset Worksheet name more; the ones after the fifteenth are not on "
     u"the form. Shorten the list of distributees, or tick \"Continue text that does not fit on "
     u"an addendum page\" in Preferences so that the rest are listed on an addendum."},
    {3037,
     u"3037-The report of distribution on Form 5.9 is limited to 24 lines of text. You have "
     u"assigned more text than will fit on that form. You need to revisit the Asset Worksheet and "
     u"remove some items, or condense the text so it will fit in the allotted space."},
    {3050,
     u"3050-A schedule (inventory, account, assets remaining, insolvency or Commissioner's "
     u"Report) would need more than 10,000 rows: the rows beyond were left out and the "
     u"calculation stopped. Send fewer worksheet rows to the form, or condense their "
     u"descriptions. "},
    {3051,
     u"3051-A schedule (inventory, account, assets remaining, insolvency or Commissioner's "
     u"Report) would need more than 10,000 rows with its section and total rows: the rows beyond "
     u"were left out and the calculation stopped. Send fewer worksheet rows to the form, or "
     u"condense their descriptions. "},
    {3100, u"3100-Error messages go here"},
    {3101,
     u"3101-The assets in this estate exceed the $15,000 limitation as per the box you checked on "
     u"Form 5.0. "},
    {3102,
     u"3102-The assets in this estate exceed the $25,000 limitation as per the box you checked on "
     u"Form 5.0. "},
    {3103,
     u"3103-The assets in this estate exceed the $35,000 limitation as per the box you checked on "
     u"Form 5.0. "},
    {3104,
     u"3104-The assets in this estate exceed the $50,000 limitation as per the box you checked on "
     u"Form 5.0. "},
    {3105,
     u"3105-The assets in this estate exceed the $85,000 limitation as per the box you checked on "
     u"Form 5.0. "},
    {3106,
     u"3106-The assets in this estate exceed the $100,000 limitation as per the box you checked on "
     u"Form 5.0. "},
    {3107, u"3107-The auto(es) in this estate exceed the $65,000 limitation on Forms 5.0/5.1. "},
    {3108, u"3108-The auto(es) in this estate exceed the $65,000 limitation on Form 6.0. "},
    {3200, u"3200-Error messages go here"},
    {3300, u"3300-Error messages go here"},
    {3301,
     u"3301-An error occurred when Wendmoor4 attempted to open the client file. The file was file "
     u"type: ",
     Kind::Text},
    {3302, u"3302-An error occurred when Wendmoor4 attempted to open the file: ", Kind::Text},
    {3305, u"3305-An error occurred when Wendmoor4 attempted to import the file: ", Kind::Text},
    {3400, u"3400-Error messages go here"},
    {3500, u"3500-Error messages go here"},
    // The file holds Windows-1252 text (the Windows version's character set).
    {3501,
     u"3501-Some text of this case holds characters a case file cannot store (its character set "
     u"has no emoji, Chinese, Greek, Cyrillic or right-to-left letters); they were saved as "
     u"\"?\". Retype that text in letters of the Latin alphabet. Where: ",
     Kind::Text},
    {3600, u"3600-Error messages go here"},
    {3700, u"3700-Error messages go here"},
});

static_assert(std::ranges::is_sorted(catalogue, {}, &Entry::number),
              "the catalogue is searched by number and must stay ascending");

constexpr std::array<const char16_t*, 10> adviceLines = {
    u"",
    u"One of Wendmoor4's internal RTF or DAT files may be corrupted. If restarting doesn't fix "
    u"the problem it may be necessary to reinstall Wendmoor4. ",
    u"You can probably click OK and continue. If this error persists, restart Wendmoor4. If "
    u"this is a date-related error, find the page and field and fix it. ",
    u"Possible memory error. Close any other programs. ",
    u"Possible disk access error. It may be necessary to reinstall Wendmoor4. ",
    u"An error occurred during a printing operation. Make sure your printer is ready. ",
    u"No two entries on a worksheet can have the same record number. The problem can be "
    u"repaired by assigning a non-conflicting record number. ",
    u"Calculation Error. An error occurred as Wendmoor4 attempted to make the calculations on "
    u"the schedule or form above.",
    u"This error is usually related to the installation of LibreOffice Writer (the Debian package "
    u"libreoffice-writer) or of Wendmoor4's data folder. Reinstalling the package concerned "
    u"usually solves it. ",
    u"You must reduce the amount of text sent to the form referred to above. ",
};

const Entry* findEntry(int number) {
    const auto* it = std::ranges::lower_bound(catalogue, number, {}, &Entry::number);
    return it != catalogue.end() && it->number == number ? it : nullptr;
}

}  // namespace

QString messageText(int number, const QString& text) {
    const Entry* entry = findEntry(number);
    if (!entry) return QStringLiteral("Unidentified error -  ") + QString::number(number);
    QString line = QString::fromUtf16(entry->head);
    switch (entry->kind) {
        case Kind::Fixed:
            break;
        case Kind::Text:
            line += text;
            break;
        case Kind::TextAndEnding:
            line += text + QString::fromUtf16(entry->ending);
            break;
    }
    return line;
}

QString adviceLine(int digit) {
    if (digit < 0 || digit >= int(adviceLines.size())) return QString();
    return QString::fromUtf16(adviceLines[digit]);
}

bool hasMessage(int number) {
    return findEntry(number) != nullptr;
}

QList<int> catalogueNumbers() {
    QList<int> numbers;
    numbers.reserve(qsizetype(catalogue.size()));
    for (const Entry& entry : catalogue) numbers.append(entry.number);
    return numbers;
}

}  // namespace wm4
