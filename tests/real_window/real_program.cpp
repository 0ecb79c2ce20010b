#include "real_program.h"

#include "core/constants_fixture.h"
#include "platform/ui/forms.h"
#include "ui/quiet_settings.h"
#include "ui/whole_program.h"

#include <QApplication>
#include <QTest>

namespace {

QVariantMap chemical(const QString& name, const QString& cas, int organic, double daf)
{
    return {{"CHEMNAME", name}, {"CHEMCAS", cas},    {"ORGANIC", organic}, {"DAFLF", daf},
            {"DAFSI", daf},     {"MCL", daf / 1000}, {"MW", 92.14},        {"CARCNON", "Carcinogen"}};
}

}   // namespace

void RealProgram::SetUp()
{
    ASSERT_TRUE(m_settings.isValid());
    ASSERT_TRUE(useQuietSettings(m_settings.path()));
    db.insert(QStringLiteral("CONSTNTS"), constantsRow());
    for (const QVariantMap& row :
         {chemical("Toluene", "108-88-3", 1, 2.5), chemical("Benzene", "71-43-2", 1, 5.5),
          chemical("Tetrachloroethylene", "127-18-4", 1, 4), chemical("Mercury", "7439-97-6", 0, 11),
          chemical("Trichloroethylene", "79-01-6", 1, 3)})
        db.insert(QStringLiteral("COCS"), row);
    db.insertAnalysis(1, QStringLiteral("Mill Creek"));
    db.insertAnalysis(2, QStringLiteral("Foundry sand"));
    QVariantMap benzene = chemical("Benzene", "71-43-2", 1, 5.5);
    benzene.insert({{"SITEKEY", 1}, {"TCLPCONC", 0.5}, {"TOTCONC", 12.0}, {"DLTCLP", false}, {"DLTOTAL", false}});
    db.insert(QStringLiteral("SITECOCS"), benzene);

    m_main = startWholeProgram(db.state);
    ASSERT_TRUE(m_main && m_main->isActiveWindow());
}

void RealProgram::TearDown()
{
    endWholeProgram(m_main);
}

frmSiteWMU* RealProgram::site()
{
    return static_cast<frmSiteWMU*>(Forms::find(QStringLiteral("frmSiteWMU")));
}

frmSiteCOCs* RealProgram::cocs()
{
    return static_cast<frmSiteCOCs*>(Forms::find(QStringLiteral("frmSiteCOCs")));
}

void RealProgram::openByDoubleClick(const QString& rootKey)
{
    KeyedTree& tree = *main().trvAnalysis;
    const QPoint at = tree.visualItemRect(tree.node(rootKey)).center();
    click(tree.viewport(), at);
    QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, at);
    ASSERT_TRUE(QTest::qWaitFor([] { return cocs() && cocs()->isVisible(); }));
}

bool RealProgram::waitForFocus(const QWidget* widget)
{
    return widget && QTest::qWaitFor([widget] { return QApplication::focusWidget() == widget; });
}

void RealProgram::typeKeys(const QString& text)
{
    for (const QChar c : text) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr) << "nothing holds the focus";
        QTest::keyClicks(focus, QString(c));
    }
}

void RealProgram::pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    // With no control focused the key goes to the active window itself.
    QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    ASSERT_NE(focus, nullptr) << "no window is active";
    QTest::keyClick(focus, key, modifiers);
}

void RealProgram::click(QWidget* widget, QPoint at)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
}

QVariant RealProgram::storedValue(const QString& sql)
{
    Result<std::unique_ptr<Connection>> conn = Connection::open(db.path(), Connection::Mode::ReadOnly);
    EXPECT_TRUE(conn.ok());
    if (!conn)
        return {};
    Result<QVariant> value = (*conn)->scalar(sql);
    EXPECT_TRUE(value.ok());
    return value.ok() ? *value : QVariant();
}

BoxAnswer::BoxAnswer(std::function<void(QMessageBox&)> answer) : m_answer(std::move(answer))
{
    qApp->setProperty("boxAnswers", qApp->property("boxAnswers").toInt() + 1);
    m_poll.setInterval(10);
    QObject::connect(&m_poll, &QTimer::timeout, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        if (!m_text.isEmpty()) {
            m_later << box->text();
            QTest::mouseClick(box->buttons().front(), Qt::LeftButton);
            return;
        }
        m_text = box->text();
        m_answer(*box);
    });
    m_poll.start();
}

BoxAnswer::~BoxAnswer()
{
    qApp->setProperty("boxAnswers", qApp->property("boxAnswers").toInt() - 1);
    EXPECT_TRUE(m_later.isEmpty()) << "unexpected messages: " << qPrintable(m_later.join(QStringLiteral(" | ")));
}
