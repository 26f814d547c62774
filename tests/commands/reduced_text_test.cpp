// An answer too long for its field at every type size prints "REDUCE TEXT".
// No print may hold one unannounced: the print lists each such field with
// its page, copy and label, Check Case has a rule for it, and with
// continuation addenda on there are none.
#include "calc/casecheck/case_check.h"
#include "case/worksheet_columns.h"
#include "commands/commands_fixture.h"
#include "files/filing_options.h"
#include "support/file_bytes.h"
#include "ui/commands/print_commands.h"

namespace wm4 {
namespace {

// The relationship of the review: 31 characters in Form 1.0's narrow column.
const QString LongRelationship = QStringLiteral("Son (adult), of a prior marriage");

class ReducedTextTest : public test::CommandsTest {
protected:
    void SetUp() override {
        CommandsTest::SetUp();
        session->settings().ForceWordPad = true;
        session->settings().SettingsFolder = temp.filePath(QStringLiteral("config"));
        // Every kin row that is printed on 1.0 gets the long relationship.
        WorksheetStore& kin = session->data().KSchedList;
        for (int row = 0; row < kin.rowCount(); ++row)
            if (!kin.cell(kinColumn::Name, row).isEmpty())
                kin.setCell(kinColumn::Relationship, row, LongRelationship);
        UserPrompts prompts;
        prompts.inform = [this](const QString& text) { messages << text; };
        print = std::make_unique<PrintCommands>(*session, launcher, prompts, nullptr, nullptr);
    }

    QList<ReducedText> printForm1(QByteArray* document) {
        QList<QList<ReducedText>> announced;
        const auto connection = QObject::connect(
            print.get(), &PrintCommands::fieldsReduced,
            [&announced](const QList<ReducedText>& fields) { announced.append(fields); });
        const QString sent = print->SendPacket({QStringLiteral("cbx1_0")});
        QObject::disconnect(connection);
        EXPECT_FALSE(sent.isEmpty()) << messages.join('\n').toStdString();
        *document = test::readAll(sent);
        EXPECT_EQ(announced.size(), 1);
        return announced.value(0);
    }

    std::unique_ptr<PrintCommands> print;
    QStringList messages;
};

TEST_F(ReducedTextTest, EveryReducedFieldIsNamedByThePrintAndByCheckCase) {
    QByteArray document;
    const QList<ReducedText> reduced = printForm1(&document);
    ASSERT_FALSE(reduced.isEmpty());
    EXPECT_EQ(document.count("REDUCE TEXT"), reduced.size());
    for (const ReducedText& field : reduced) {
        EXPECT_TRUE(field.page == 1 || field.page == 2) << field.page;
        EXPECT_FALSE(field.label.isEmpty());
    }

    // Check Case merges every form of the case: Form 1.0's fields are among
    // what it finds (other forms list the kin as well).
    const CaseFindings findings = CheckCaseRule(*caseRule("reduced-text"), session->data());
    for (const ReducedText& field : reduced) {
        const auto found =
            std::find_if(findings.begin(), findings.end(), [&](const CaseFinding& f) {
                return f.place == ReportPlace::pageCopy(field.page, field.copy) &&
                       f.text.contains(field.label);
            });
        ASSERT_NE(found, findings.end()) << field.label.toStdString();
        EXPECT_TRUE(found->text.contains(QStringLiteral("REDUCE TEXT")));
    }
}

TEST_F(ReducedTextTest, WithAddendaNothingIsReduced) {
    ASSERT_TRUE(WriteFilingOptions(session->settings().SettingsFolder, {true, false}));
    QByteArray document;
    EXPECT_TRUE(printForm1(&document).isEmpty());
    EXPECT_FALSE(document.contains("REDUCE TEXT"));
    EXPECT_TRUE(document.contains(LongRelationship.toLatin1()));
    EXPECT_TRUE(CheckCaseRule(*caseRule("reduced-text"), session->data()).isEmpty());
}

}  // namespace
}  // namespace wm4
