#pragma once
// The web addresses and documents the Help and Tools commands open.
#include <QString>
#include <QUrl>

namespace wm4 {

inline constexpr QStringView HelpContentsAddress =
    u"https://www.quillonvale.com/wendmoor4/help/contents.html";
inline constexpr QStringView TutorialAddress =
    u"https://www.quillonvale.com/wendmoor4/help/tutorial.html";
inline constexpr QStringView ShrinkFontHelpAddress =
    u"https://www.quillonvale.com/wendmoor4/help/shrink-font.html";

// The user manual in the program (data) folder.
inline constexpr QStringView ManualFileName = u"wendmoor4.pdf";

// The tax authority's site; the forms' paths are in the page catalogue.
inline constexpr QStringView TaxAuthoritySite = u"https://www.irs.gov";
inline constexpr QStringView TaxFormNotice =
    u"The form you requested is brought to you directly from the IRS web site and is the latest "
    u"available version. You'll work on this form in your browser or pdf viewer, so if you want a "
    u"permanent copy, you'll need to save this form independently as it is not part of the "
    u"probate file.";

// The address of a tax form, or an empty address for an unknown Tag.
QUrl TaxFormUrl(int tag);

// A quote page: the prefix followed directly by the symbol.
QUrl QuoteUrl(const QString& prefix, const QString& symbol);

}  // namespace wm4
