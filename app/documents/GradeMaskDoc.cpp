// Morvane program documents.
// One open grade mask: the mask, its task manager, and the small state its tools share.
#include "app/documents/GradeMaskDoc.h"

#include "app/documents/IDocumentServices.h"
#include "app/documents/IOptions.h"
#include "app/extras/UnitConverter.h"
#include "model/GradeMask.h"
#include "model/IInputPatterns.h"
#include "model/MorvaneFactory.h"

#include <algorithm>

CGradeMaskDoc::CGradeMaskDoc()
{
    m_oHandler.SetHandlerId(kHandlerId, this);
}

CGradeMaskDoc::~CGradeMaskDoc()
{
    m_oHandler.RemoveListener(&m_oFocusManager);
    if (m_pOwner != nullptr)
        m_pOwner->GetInputPatterns()->GetEventHandler()->RemoveListener(&m_oFocusManager);
    // The mask goes first, as the tools' state may still point into it until then.
    m_pGradeMask.reset();
    m_oHandler.RemoveListener(&m_oRotationPivot);
}

void CGradeMaskDoc::Initialize(IDocumentServices *owner,
                               std::unique_ptr<CMaskTaskManager> taskManager)
{
    m_pOwner = owner;
    m_oFormulaEvaluator.SetOwner(owner, this);
    CEventHandler *maskHandler = nullptr;
    m_pGradeMask = CMorvaneFactory::MakeGradeMask(maskHandler, owner->GetInputPatterns());
    m_pGradeMask->SetUserFormulaConfig(&m_oFormulaEvaluator);
    AdoptHandler(*maskHandler, m_pGradeMask.get());
    m_oInteractionModes.SetOwner(this);
    AdoptHandler(m_oInteractionModes, &m_oInteractionModes);
    m_oFocusManager.Initialize(this);
    AdoptHandler(m_oFocusManager, &m_oFocusManager);
    m_oHandler.AddListener(&m_oFocusManager);
    owner->GetInputPatterns()->GetEventHandler()->AddListener(&m_oFocusManager);
    m_pTaskManager = std::move(taskManager);
    m_pTaskManager->Create(owner);
    m_pTaskManager->Run();
    m_oGradePathEditor.SetOwner(owner);
    m_oRotationPivot.SetOwner(this);
    AdoptHandler(m_oRotationPivot, &m_oRotationPivot);
    m_oHandler.AddListener(&m_oRotationPivot);
}

void CGradeMaskDoc::AdoptHandler(CEventHandler &child, const void *object)
{
    child.SetParent(reinterpret_cast<uintptr_t>(object), &m_oHandler);
}

bool CGradeMaskDoc::IsFocusType(uint32_t code) const
{
    return std::find(m_aFocusTypes.begin(), m_aFocusTypes.end(), code) != m_aFocusTypes.end();
}

void CGradeMaskDoc::SetColourIndex(const IBaseFormula *formula, int index)
{
    if (index < 0)
        m_oColourIndexes.erase(formula);
    else
        m_oColourIndexes[formula] = index;
}

int CGradeMaskDoc::GetColourIndex(const IBaseFormula *formula) const
{
    const auto found = m_oColourIndexes.find(formula);
    return found != m_oColourIndexes.end() ? found->second : -1;
}

std::string CGradeMaskDoc::GetDisplayName() const
{
    const std::filesystem::path file = m_pGradeMask ? m_pGradeMask->GetFileName() : "";
    return file.empty() ? GetTitle() : file.stem().string();
}

double CGradeMaskDoc::ConvertToDisplayUnits(double millimetres, int &decimals)
{
    decimals = 2;
    const int32_t choice = m_pOwner->GetOptions().GetIntOption("USER_UNITS");
    return CUnitConverter(morvane::GetDisplayUnitChoice(choice).converterUnit)
        .FromMillimetres(millimetres);
}
