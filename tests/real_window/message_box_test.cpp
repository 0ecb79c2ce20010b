// The real message box: Escape and the close button at a question that guards typed input.

#include "real_program.h"

#include "platform/ui/message_box.h"
#include "ui/user_input.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

namespace {

struct Dismissal {
    const char* name;
    int style;
    int answer;   // after Escape and the close button; 0: the box stays until a button is clicked
};

void PrintTo(const Dismissal& dismissal, std::ostream* out)
{
    *out << dismissal.name;
}

class Dismissing : public RealProgram, public ::testing::WithParamInterface<Dismissal> {};

TEST_P(Dismissing, EscapeAndTheCloseButtonAnswerOnlyWhereTheBoxHasANeutralAnswer)
{
    messages.reset();
    bool stayedOpen = false;
    BoxAnswer answer([&](QMessageBox& box) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &box, Qt::Key_Escape);
        if (!box.isVisible())
            return;
        box.close();
        if (!box.isVisible())
            return;
        stayedOpen = true;
        QTest::mouseClick(box.buttons().front(), Qt::LeftButton);
    });
    const int got =
        MsgBox(QStringLiteral("Do you want to save your changes?"), GetParam().style, QStringLiteral("Save Changes"));
    EXPECT_TRUE(answer.seen());
    if (GetParam().answer == 0) {
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(got, vbYes) << "the button clicked at last";
    } else {
        EXPECT_FALSE(stayedOpen);
        EXPECT_EQ(got, GetParam().answer);
    }
}

INSTANTIATE_TEST_SUITE_P(Styles, Dismissing,
                         ::testing::Values(Dismissal{"YesNo", vbYesNo | vbQuestion, 0},
                                           Dismissal{"YesNoCancel", vbYesNoCancel, vbCancel},
                                           Dismissal{"OkCancel", vbOKCancel, vbCancel},
                                           Dismissal{"OkOnly", vbOKOnly, vbOK}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RealProgram, EscapeAtTheClosingQuestionKeepsAskingAndYesSavesTheTypedInput)
{
    openByDoubleClick(QStringLiteral("KEY1"));
    site()->showForm();
    typeInto(site()->txtCity, QStringLiteral("Gary"));
    ASSERT_TRUE(main().cmdSave->isEnabled());

    messages.reset();
    bool stillAsking = false;
    BoxAnswer answer([&](QMessageBox& box) {
        QTest::keyClick(&box, Qt::Key_Escape);
        box.close();
        stillAsking = box.isVisible() && main().isVisible();
        for (QAbstractButton* b : box.buttons())
            if (box.standardButton(b) == QMessageBox::Yes)
                QTest::mouseClick(b, Qt::LeftButton);
    });
    main().close();
    EXPECT_EQ(answer.text(), "Do you want to save your changes?");
    EXPECT_TRUE(stillAsking);
    EXPECT_FALSE(main().isVisible());
    EXPECT_EQ(storedValue(QStringLiteral("SELECT CITY FROM SITEINFO WHERE SITEKEY = 1")).toString(), "Gary");
}

}   // namespace
