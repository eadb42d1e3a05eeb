// Morvane program interaction.
// The main document's display switches: what the view shows of the patterns, regions, grading.
#pragma once

class IDocumentServices;

/// The display switches of the main document. Each setter that changes a switch tells the
/// listener (the main document, which then sends its after-change notification of property 0);
/// setting a switch to its value changes and tells nothing.
///
/// The four switches named after menu commands, and the names the view's drawing reads them by:
/// | switch      | menu command | read as                       |
/// |-------------|--------------|-------------------------------|
/// | switch 6    | 32971        | GetSwitch6                    |
/// | switch 8    | 32968        | IsSwitch8Shown (also needs input and guide patterns shown) |
/// | switch 9    | 32981        | IsSwitch9Shown (likewise)     |
/// | switch 10   | 43133        | GetSwitch10                   |
/// The patterns shown mode (GetPatternsShownMode) and the grading shown mode
/// (GetGradingShownMode) are read from the switches, never stored.
class CDisplayFlags
{
public:
    /// The option that limits the graded sizes shown to the selection.
    static constexpr const char *kSelectionGradingOption = "SHOW_ONLY_SELECTION_GRADING";

    CDisplayFlags() = default;
    virtual ~CDisplayFlags() = default;
    CDisplayFlags(const CDisplayFlags &) = delete;
    CDisplayFlags &operator=(const CDisplayFlags &) = delete;

    /// The main document (not owned); also where the grading display option is read.
    void SetListener(IDocumentServices *listener) { m_pListener = listener; }

    bool GetShowInputPatterns() const { return m_bShowInputPatterns; }
    bool GetShowGuidePatterns() const { return m_bShowGuidePatterns; }
    bool GetShowMaskRegions() const { return m_bShowMaskRegions; }
    bool GetShowGrading() const { return m_bShowGrading; }
    bool GetSwitch6() const { return m_bSwitch6; }
    bool GetSwitch10() const { return m_bSwitch10; }
    /// Switch 8 while input and guide patterns are shown.
    bool IsSwitch8Shown() const;
    /// Switch 9 while input and guide patterns are shown.
    bool IsSwitch9Shown() const;
    /// 0 input and guide patterns shown, 2 only guide patterns, 1 otherwise (also when both
    /// are hidden).
    int GetPatternsShownMode() const;
    /// 0 grading not shown; else 2 when the option kSelectionGradingOption is on (graded
    /// sizes of the selection only), 1 otherwise (of every shown pattern).
    int GetGradingShownMode() const;

    void SetShowInputPatterns(bool show);
    void SetShowGuidePatterns(bool show);
    void SetShowMaskRegions(bool show);
    void SetShowGrading(bool show);
    void SetSwitch6(bool on);
    void SetSwitch8(bool on);
    void SetSwitch9(bool on);
    void SetSwitch10(bool on);

private:
    void set(bool &flag, bool value);

    bool m_bShowInputPatterns = true;
    bool m_bShowGuidePatterns = true;
    bool m_bSwitch6 = false;
    bool m_bShowMaskRegions = true;
    bool m_bSwitch8 = false;
    bool m_bSwitch9 = false;
    bool m_bSwitch10 = false;
    bool m_bShowGrading = false;
    IDocumentServices *m_pListener = nullptr;
};
