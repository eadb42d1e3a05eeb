// Morvane program documents test support.
// A client that counts the ends of its runs.
#pragma once

#include "app/documents/IDocumentAutomation.h"

namespace morvane {

/// A client that counts the times it is told its run ended.
class CountingClient : public IMorvaneClient
{
public:
    explicit CountingClient(int &returns) : m_returns(returns) {}
    void OnReturn() override { ++m_returns; }

private:
    int &m_returns;
};


} // namespace morvane
