// Morvane program documents test support.
// A main window without a window: a client's run starts and closes as the program's frame does.
#pragma once

#include "app/documents/DocumentAutomation.h"
#include "app/documents/IMainWindow.h"

#include <functional>
#include <string>
#include <vector>

namespace morvane {

/// Records what the documents ask of the main window. Its start routine does what the frame's
/// does in a client's run: it adds the start operation to an empty batch and runs the batch. A
/// posted close waits until the test calls ProcessPostedCloses, as the frame's close waits for
/// its event loop; then the window closes once however many closes were posted: the batch's
/// close operations run and the client is told.
class FakeMainWindow : public IMainWindow
{
public:
    explicit FakeMainWindow(DocumentAutomation &automation) : m_automation(automation) {}

    void BeginWaitCursor() override { ++waitCursorDepth; }
    void EndWaitCursor() override { --waitCursorDepth; }
    void ShowForClient() override
    {
        calls.push_back("ShowForClient");
        closed = false;
        if (onShow)
            onShow();
    }
    void InitSession(int mode, const std::string &startPath) override
    {
        calls.push_back("InitSession " + std::to_string(mode) + " '" + startPath + "'");
        if (!m_automation.IsRunByClient())
            return;
        CMvBatchProcess &batch = m_automation.GetBatchProcess();
        batch.AddStartOperation(m_automation.GetMaskFile());
        batch.Run();
    }
    void PostClose() override { ++closesPosted; }

    /// The event loop takes the posted closes.
    void ProcessPostedCloses()
    {
        const bool posted = closesPosted > closesTaken;
        closesTaken = closesPosted;
        if (!posted || closed)
            return;
        closed = true;
        ++closes;
        m_automation.GetBatchProcess().RunCloseOperations();
        m_automation.ReleaseClient();
    }

    /// What the window does when it shows itself, as the program's frame connects itself to
    /// the document (CMorvaneDoc::ConnectToFrame).
    std::function<void()> onShow;
    std::vector<std::string> calls;
    int waitCursorDepth = 0;
    int closesPosted = 0;
    int closesTaken = 0;
    int closes = 0;
    bool closed = false;

private:
    DocumentAutomation &m_automation;
};

} // namespace morvane
