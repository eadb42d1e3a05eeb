// Morvane AAMA DXF reader.
// The content of one AAMA DXF file: its pieces, their blocks and the header texts.
#pragma once

#include "sources/aama-reader/AamaBlock.h"
#include "sources/aama-reader/IAAMAData.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CAamaGroupList;

/// The IAAMAData of one file. Owns every block and entity read from it.
class CAamaDataImpl final : public IAAMAData
{
public:
    /// Reads the text of a whole file; null, with the reason in error, when a code line is not
    /// a number or the text has no (0, "EOF") group.
    static std::unique_ptr<CAamaDataImpl> Read(std::string_view content, std::string &error);

    std::string GetCreationTime() const override;
    std::string GetCreationDate() const override;
    std::string GetStyleName() const override;
    std::string GetAuthor() const override;
    std::string GetSampleSize() const override;
    std::string GetGradeRuleTable() const override;
    int GetUnits() const override;
    std::string GetCodePage() const override;
    int GetPieceCount() const override;
    std::string GetPieceName(int piece) const override;
    bool HasPieceName(int piece) const override;
    std::string GetPieceCategory(int piece) const override;
    int GetPieceQuantity(int piece) const override;
    std::string GetPieceAnnotation(int piece) const override;
    std::string GetPieceSize(int piece) const override;
    int GetInternalLineCount(int piece) const override;
    int GetVertexCount(int piece, int line) const override;
    morvane::AamaPosition GetVertex(int piece, int line, int v, int &pointFlags, int &ruleNumber,
                                    double notchVector[2]) const override;
    int GetDrillHoleCount(int piece) const override;
    morvane::AamaPosition GetDrillHole(int piece, int h, int &ruleNumber) const override;
    std::vector<morvane::AamaDrawingItem> GetPieceDrawing(int piece) const override;
    std::vector<morvane::AamaNotchOffOutline> GetNotchesOffOutline(int piece) const override;

private:
    void ReadSections(CAamaGroupList &groups);
    void ReadHeader(CAamaGroupList &groups);
    void ReadBlocks(CAamaGroupList &groups);
    void ReadEntities(CAamaGroupList &groups);
    void CollectPiecesAndHeaderTexts();

    std::string HeaderValue(std::string_view key) const;
    std::string PieceValue(int piece, std::string_view key) const;
    const CAamaBlock *PieceBlock(int piece) const;
    const CAamaLine *PieceLine(int piece, int line) const;

    /// The block of each INSERT of the ENTITIES section, in file order: one per piece; null
    /// when no block has the INSERT's block name.
    std::vector<const CAamaBlock *> m_oPieces;
    /// Owns the entities of the ENTITIES section.
    CAamaBlock m_oEntities;
    std::vector<std::unique_ptr<CAamaBlock>> m_oBlocks;
    /// The TEXTs of the ENTITIES section, in file order.
    std::vector<const CAamaText *> m_oHeaderTexts;
    /// The units variables of the HEADER section; -1 when absent.
    int m_nInsertionUnits = -1;
    int m_nMeasurement = -1;
    /// The value of $DWGCODEPAGE; empty when absent.
    std::string m_sCodePage;
};
