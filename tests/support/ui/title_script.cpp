#include "ui/title_script.h"

#include "ui/main/frmTitle.h"

#include <QTest>

#include <gtest/gtest.h>

TitleScript::TitleScript(std::deque<std::function<void(frmTitle*)>> steps) : m_steps(std::move(steps))
{
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        if (m_steps.empty() || !frmTitle::isLoaded() || !frmTitle::get()->isVisible())
            return;
        auto step = std::move(m_steps.front());
        m_steps.pop_front();
        step(frmTitle::get());
    });
    m_timer.start(5);
}

TitleScript::~TitleScript()
{
    EXPECT_TRUE(m_steps.empty()) << m_steps.size() << " title prompt step(s) never ran";
}

void typeTitle(frmTitle* prompt, const QString& text)
{
    prompt->txtTitle->clear();
    QTest::keyClicks(prompt->txtTitle, text);
}

void finishTitle(frmTitle* prompt, const QString& text)
{
    typeTitle(prompt, text);
    QTest::mouseClick(prompt->cmdOK, Qt::LeftButton);
}
