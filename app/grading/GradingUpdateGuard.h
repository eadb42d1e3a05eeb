// Morvane program grading.
// Holds the document's grading-update counter raised for one scope.
#pragma once

#include "app/documents/IDocumentServices.h"

/// Raises the document's grading-update counter on construction and lowers it on destruction,
/// also when the scope ends by an exception.
class GradingUpdateGuard
{
public:
    explicit GradingUpdateGuard(IDocumentServices &services)
        : m_services(services)
    {
        m_services.BeginBulkChange();
    }
    ~GradingUpdateGuard() { m_services.EndBulkChange(); }
    GradingUpdateGuard(const GradingUpdateGuard &) = delete;
    GradingUpdateGuard &operator=(const GradingUpdateGuard &) = delete;

private:
    IDocumentServices &m_services;
};
