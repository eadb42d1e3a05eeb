// Morvane program documents.
// One open grade mask: the mask, its task manager, and the small state its tools share.
#include "app/documents/GradeMaskDoc.h"

#include "app/documents/IDocumentServices.h"
#include "app/documents/IOptions.h"
#include "app/extras/UnitConverter.h"
#include "model/GradeMask.h"
#include "model/MorvaneFactory.h"
#include "tasks/TaskManager.h"

#include <algorithm>

CGradeMaskDoc::CGradeMaskDoc()
{
    m_oHandler.SetHandlerId(kHandlerId, this);
}

CGradeMaskDoc::~CGradeMaskDoc()
{
    // The mask goes first, as the tools' state may still point into it until then.
    m_pGradeMask.reset();
}

void CGradeMaskDoc::Initialize(IDocumentServices *owner)
{
    m_pOwner = owner;
    m_oFormulaEvaluator.SetOwner(owner, this);
    CEventHandler *maskHandler = nullptr;
    m_pGradeMask = CMorvaneFactory::MakeGradeMask(maskHandler, owner->GetInputPatterns());
    m_pGradeMask->SetUserFormulaConfig(&m_oFormulaEvaluator);
    maskHandler->SetParent(reinterpret_cast<uintptr_t>(m_pGradeMask.get()), &m_oHandler);
}

bool CGradeMaskDoc::IsFocusType(uint32_t code) const
{
    return std::find(m_aFocusTypes.begin(), m_aFocusTypes.end(), code) != m_aFocusTypes.end();
}

std::string CGradeMaskDoc::GetDisplayName() const
{
    const std::filesystem::path file = m_pGradeMask ? m_pGradeMask->GetFileName() : "";
    return file.empty() ? GetTitle() : file.stem().string();
}

bool CGradeMaskDoc::GetViewFlag()
{
    return false;
}

double CGradeMaskDoc::ConvertToDisplayUnits(double millimetres, int &decimals)
{
    decimals = 2;
    const int32_t choice = m_pOwner->GetOptions().GetIntOption("USER_UNITS");
    return CUnitConverter(morvane::GetDisplayUnitChoice(choice).converterUnit)
        .FromMillimetres(millimetres);
}
