// Morvane program documents.
// The main document as an automation client drives it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

class CMvBatchProcess;
class CTrgMeasureTable;
class CTrgPattern;

/// The object a client hands to Run: told once when its run ends (the main window closed, or
/// an exception ended the run).
class IMorvaneClient
{
public:
    virtual ~IMorvaneClient() = default;

    virtual void OnReturn() = 0;
};

/// The automation face of the main document: what a client program calls to fill the client
/// grade model and the measurement tables, script a batch, start its run and read the results.
/// Object results are the document's own reusable objects, aimed at what was asked for. An
/// index that names nothing throws morvane::AutomationError and changes nothing.
class IDocumentAutomation
{
public:
    virtual ~IDocumentAutomation() = default;

    /// Starts the client's run: grades the client's patterns over the measurement tables,
    /// shows the main window and runs its start routine (which runs the batch). client (may be
    /// null) is told when the run ends; a client still held from an earlier run is told first.
    virtual void Run(std::unique_ptr<IMorvaneClient> client) = 0;
    /// Adds a table named by the table set's proposal, with that many sizes and measurements;
    /// returns its index.
    virtual int32_t AddMeasureTable(int32_t sizes, int32_t measurements) = 0;
    virtual int32_t GetMeasureTableCount() = 0;
    /// The table object, aimed at table index.
    virtual CTrgMeasureTable &GetIMeasureTableAt(int32_t index) = 0;
    /// Appends a pattern of that name to the client grade model; returns its index.
    virtual int32_t AddPattern(const std::string &name) = 0;
    virtual int32_t GetPatternCount() = 0;
    /// The pattern object, aimed at pattern index of the client grade model.
    virtual CTrgPattern &GetPatternAt(int32_t index) = 0;
    virtual void ClearPatterns() = 0;
    /// No table is active any more, and every table is removed.
    virtual void ClearMeasureTables() = 0;
    /// The grade-mask file the main window's start routine opens.
    virtual void SetMaskFile(const std::string &path) = 0;
    /// Asks the main window to close, as if the user closed it.
    virtual void Exit() = 0;
    virtual CMvBatchProcess &GetBatchProcess() = 0;
    virtual void SetModelName(const std::string &name) = 0;

    /// The pattern and table objects, without aiming them (the automation service serves them
    /// at fixed places).
    virtual CTrgPattern &GetPatternObject() = 0;
    virtual CTrgMeasureTable &GetMeasureTableObject() = 0;
};
