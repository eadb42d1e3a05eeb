// Morvane model library.
// The document's collection of input patterns, made from the patterns of a grade model.
#pragma once

#include "foundation/EventHandler.h"
#include "model/IInputPatterns.h"
#include "model/InputPattern.h"
#include "model/ParentedCollection.h"

#include <cstdint>

/// The input patterns of a document, one per pattern of the loaded grade model. The program
/// adds the source's patterns (AddPattern), calls Update, and hands the collection to every grade
/// mask it makes; the mask it shows the patterns on (SetGradeMask) keeps their locations. Each
/// pattern's event handler is a child of the collection's, whose id is kModelHandlerId | 10 with
/// the collection as owner. The patterns are never stored.
class CInputPatterns : public CEventHandler, public IInputPatterns
{
public:
    /// The source kind of the collection's event handler.
    static constexpr uint32_t kSourceKind = 10;

    CInputPatterns();
    ~CInputPatterns() override;

    void Update() override;
    int AddPattern(IGradePattern *pattern) override;
    void RemovePatternAt(int i) override;
    int GetPatternCount() const override;
    CInputPattern *GetPatternAt(int i) const override;
    void RemoveAll() override;
    int GetFlaggedPatternCount() const override;
    morvane::InputPatternMask *GetGradeMask() const override;
    void SetGradeMask(morvane::InputPatternMask *mask) override;
    CEventHandler *GetEventHandler() override;
    IInputPattern *FindInputPattern(const IGradePattern *pattern) const override;
    void BuildContours() override;
    IPatternLocation *GetInputPatternLocation(CPattern *pattern) override;
    void InvalidateAll() override;

private:
    /// Update's work between its begin- and end-update events.
    void RefreshPatterns();

    CParentedCollection<CInputPattern> m_oInputPatterns;
    morvane::InputPatternMask *m_pGradeMask = nullptr;
};
