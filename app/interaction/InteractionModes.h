// Morvane program interaction.
// The typed front of a grade-mask document's mode variables, which its main task keeps.
#pragma once

#include "foundation/EventHandler.h"

#include <cstdint>

class IMaskDocumentAccess;

/// The modes of one open grade mask: snap, auto move, auto rotate, measure and selection mode,
/// read and written as the 4-byte integer variables "nSnapMode", "bAutoMove", "bAutoRotate",
/// "nMeasureMode" and "nSelectionMode" of the mask's main task; and the view flag, a switch of
/// its own. Setters send before- and after-change events (handler id kHandlerId) with the
/// property ids below. Modes read 0 while the document has no running task manager.
class CInteractionModes : public CEventHandler
{
public:
    static constexpr uint32_t kHandlerId = 0xFFFF0065;
    static constexpr int32_t kSelectionModeProperty = 0;
    static constexpr int32_t kViewFlagProperty = 1;
    static constexpr int32_t kMeasureModeProperty = 2;

    CInteractionModes();
    ~CInteractionModes() override;

    void SetOwner(IMaskDocumentAccess *owner) { m_pOwner = owner; }

    int GetSnapMode() const;
    /// Any non-zero value is on.
    bool GetAutoMove() const;
    bool GetAutoRotate() const;
    int GetMeasureMode() const;
    /// Always notifies, and resets the document's measure line, even for the current value.
    void SetMeasureMode(int mode);
    int GetSelectionMode() const;
    /// Nothing for the current value. Otherwise notifies around the write, then, unless the
    /// new mode is 1, clears the active grade point of the document's focus manager.
    void SetSelectionMode(int mode);
    bool GetViewFlag() const { return m_bViewFlag; }
    /// Always notifies, even for the current value.
    void SetViewFlag(bool flag);

private:
    IMaskDocumentAccess *m_pOwner = nullptr;
    bool m_bViewFlag = false;
};
