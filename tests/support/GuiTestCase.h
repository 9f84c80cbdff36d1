#pragma once

#include "report/ReportClipboard.h"
#include "support/FakePlatform.h"
#include "support/WindowDriver.h"

#include <QObject>

#include <memory>

namespace quillon::test {

// Base of the window tests: every test function starts with a fresh scripted platform and
// no window, and leaves none behind. Derived classes that need more set-up call these first.
class GuiTestCase : public QObject
{
    Q_OBJECT

protected:
    std::unique_ptr<FakePlatform> m_fake;

protected slots:
    void initTestCase() { initProgramForTests(); }
    void init()
    {
        m_fake = std::make_unique<FakePlatform>();
        m_fake->install();
        clearReportTextFromClipboard(); // forget report text an earlier test copied
        m_fake->clipboardQueries = 0;
    }
    void cleanup()
    {
        deleteAllWindows();
        m_fake.reset();
    }
};

} // namespace quillon::test
