#include "platform/ui/dialog_services.h"
#include "ui/fresh_ui_state.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <gtest/gtest.h>

namespace {

// A real message box shown while no answer of the test waits for one (the fixtures count those
// in the application's property "boxAnswers") fails the test at once and is closed with its
// first button, as the offscreen test programs fail on a dialog that no script answers; it would
// otherwise wait until the test's time runs out.
class UnansweredBoxes : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box && event->type() == QEvent::Show && qApp->property("boxAnswers").toInt() == 0) {
            ADD_FAILURE() << "a message that no test answers: " << qPrintable(box->text());
            QMetaObject::invokeMethod(
                box, [box] { box->buttons().front()->click(); }, Qt::QueuedConnection);
        }
        return false;
    }
};

}   // namespace

// Tests of focus and real input events: run on the X display that the runner script provides.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    installDialogServices();
    UnansweredBoxes unanswered;
    app.installEventFilter(&unanswered);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshUiStatePerTest);
    return RUN_ALL_TESTS();
}
