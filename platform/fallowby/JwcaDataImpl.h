// Morvane second DXF reader.
// The content of one graded R12 DXF file: its blocks, the pieces that insert them, header texts.
#pragma once

#include "platform/fallowby/IJwcaAAMAData.h"
#include "platform/fallowby/JwcaComment.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CAamaGroupList;

namespace morvane {

/// The groups of an entity that the layout uses: its comment (999), its position (10, 20), the
/// end of a line (11, 21), the depth (38) and angle in degrees (50) of a notch, a text (1).
struct JwcaEntity
{
    JwcaComment comment;
    DPOINT position;
    DPOINT end;
    double notchDepth = 0.0;
    double notchAngle = 0.0;
    std::string text;
};

struct JwcaPolyline
{
    JwcaComment comment;
    std::vector<JwcaEntity> vertices;
};

/// One BLOCK: a pattern in one size.
struct JwcaBlock
{
    std::string name;
    std::vector<std::string> texts;
    std::vector<JwcaPolyline> polylines;
    std::vector<JwcaEntity> lines;
    std::vector<JwcaEntity> drillHoles;
    std::vector<JwcaEntity> notchesOffOutline;
};

} // namespace morvane

/// The IJwcaAAMAData of one file.
class CJwcaDataImpl final : public IJwcaAAMAData
{
public:
    /// Reads the text of a whole file; null, with the reason in error, when a code line is not
    /// a number or the text has no (0, "EOF") group.
    static std::unique_ptr<CJwcaDataImpl> Read(std::string_view content, std::string &error);

    std::string GetStyleName() const override;
    std::string GetSampleSize() const override;
    int GetPieceCount() const override;
    std::string GetPieceName(int piece) const override;
    std::string GetPieceSize(int piece) const override;
    int GetLineCount(int piece) const override;
    int GetVertexCount(int piece, int line) const override;
    DPOINT GetVertex(int piece, int line, int v, int &pointFlags, int &ruleNumber,
                     double notchVector[2]) const override;
    int GetDrillHoleCount(int piece) const override;
    DPOINT GetDrillHole(int piece, int h, int &ruleNumber) const override;
    int GetVertexExtraValue(int piece, int line, int v) const override;
    int GetInternalLineCount(int piece) const override;
    void GetInternalLine(int piece, int line, DPOINT &start, DPOINT &end) const override;
    int GetInternalLineKind(int piece, int line) const override;
    double GetVertexNotchValue(int piece, int line, int v) const override;
    int GetLineType(int piece, int line) const override;
    int GetInternalLineType(int piece, int line) const override;
    int GetUnits() const override;
    std::string GetCodePage() const override;
    int GetNotchOffOutlineCount(int piece) const override;
    DPOINT GetNotchOffOutline(int piece, int n, int &ruleNumber, double notchVector[2],
                              double &angle) const override;

private:
    void ReadSections(CAamaGroupList &groups);
    void ReadHeader(CAamaGroupList &groups);
    void ReadBlocks(CAamaGroupList &groups);
    void ReadEntities(CAamaGroupList &groups);
    void ResolvePieces();

    const morvane::JwcaBlock *PieceBlock(int piece) const;
    const morvane::JwcaPolyline *PieceLine(int piece, int line) const;
    const morvane::JwcaEntity *PieceVertex(int piece, int line, int v) const;
    const morvane::JwcaEntity *PieceInternalLine(int piece, int line) const;

    std::vector<morvane::JwcaBlock> m_oBlocks;
    /// The block names of the INSERTs of the ENTITIES section, in file order.
    std::vector<std::string> m_oInsertNames;
    /// The TEXTs of the ENTITIES section, in file order.
    std::vector<std::string> m_oHeaderTexts;
    /// The block of each INSERT that names one.
    std::vector<const morvane::JwcaBlock *> m_oPieces;
    /// The value of $DWGCODEPAGE; empty when absent.
    std::string m_sCodePage;
};
