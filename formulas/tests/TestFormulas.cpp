// Morvane formula library tests.
// Small formula kinds for the tests: a measure that publishes a name, and a formula whose type,
// attachment, points and formula reference the test chooses, both stored in mask files.
#include "TestFormulas.h"

#include "formulas/FormulaClassRegistry.h"
#include "foundation/NameCompare.h"
#include "model/BasePoint.h"
#include "model/GradeMask.h"
#include "model/Pattern.h"

using namespace morvane;

namespace testformulas {

static const CRuntimeClass kTestMeasureClass("CTestMeasure", &CreateObjectOf<TestMeasure>,
                                             CBaseFormula::GetThisClass());
static const CRuntimeClass kTestFormulaClass("CTestFormula", &CreateObjectOf<TestFormula>,
                                             CBaseFormula::GetThisClass());

const CRuntimeClass *TestMeasure::GetThisClass()
{
    return &kTestMeasureClass;
}

TestMeasure::TestMeasure()
{
    AddStringAttribute(&m_sVarName, "VarName", XmlPresence::WhenSet);
}

void TestMeasure::SetVarName(const std::string &name)
{
    const std::string lowered = toLowerAscii(name);
    if (lowered == m_sVarName)
        return;
    SendBeforeChange(0);
    m_sVarName = lowered;
    SendAfterChange(0);
}

const CRuntimeClass *TestFormula::GetThisClass()
{
    return &kTestFormulaClass;
}

TestFormula::TestFormula()
{
    AddIntAttribute(&m_nType, "Type");
    AddPtrAttribute(&m_pBasePoint, "BasePoint", "BasePoint", XmlPresence::WhenSet);
    AddPtrAttribute(&m_pPattern, "Pattern", "Pattern", XmlPresence::WhenSet);
    AddPtrAttribute(&m_pReferenced, "PathFormula", "GradeFormula", XmlPresence::WhenSet);
}

int TestFormula::GetAttachKind() const
{
    return m_pBasePoint != nullptr ? FORMULA_ATTACH_POINT : CBaseFormula::GetAttachKind();
}

std::string TestFormula::GetFormulaText()
{
    return FormatPointAddress(GetLabelOrUnknown(m_pBasePoint)) + "=(" + GetParamText(0) + "," +
           GetParamText(1) + ")";
}

void TestFormula::TakeOverFrom(IBaseFormula *replaced)
{
    CBaseFormula &old = *replaced->GetBaseFormula();
    for (int n = 0; n < old.GetParamCount(); ++n)
        GetParam(n)->SetValue(old.GetParamText(n));
    for (int i = 0; i < old.GetIndexPointCount(); ++i)
        SetIndexPoint(i, old.GetIndexPoint(i));
}

bool TestFormula::Validate(CFormulaMessageList *reporter, IFormulaTextChecker *checker)
{
    return !m_bFailsSilently && CBaseFormula::Validate(reporter, checker);
}

void TestFormula::Update()
{
    CBaseFormula::Update();
    auto *manager = GetOwner() != nullptr
                        ? dynamic_cast<CFormulaManager *>(GetOwner()->GetFormulaManager())
                        : nullptr;
    if (m_bContributesCopy && manager != nullptr)
        manager->AddRuntimeItem(FindManagedCounterpartOf());
}

void TestFormula::ResolveToIndexPoints()
{
    for (int i = 0; i < GetRequiredIndexCount(); ++i)
        SetResolved(i, GetIndexPoint(i));
}

void TestFormula::DoCollectPoints(CPtrCollection<CBasePoint> &list)
{
    if (m_pBasePoint != nullptr)
        list.Add(m_pBasePoint);
}

void TestFormula::DoGetDisplayText(std::string &out, bool)
{
    out = GetPointDisplayName(m_pBasePoint);
}

namespace {

template <int Type> std::unique_ptr<IBaseFormula> makeGlobal(void *context, const FormulaTarget &)
{
    auto formula = std::make_unique<TestFormula>();
    formula->SetType(Type);
    formula->SetContextValue(context);
    return formula;
}

template <int Type>
std::unique_ptr<IBaseFormula> makeForPattern(void *context, const FormulaTarget &target)
{
    auto formula = std::make_unique<TestFormula>();
    formula->SetType(Type);
    formula->SetPattern(target.pattern);
    formula->SetContextValue(context);
    return formula;
}

std::unique_ptr<IBaseFormula> makeForPoint(void *context, const FormulaTarget &target)
{
    auto formula = std::make_unique<TestFormula>();
    formula->SetBasePoint(target.point);
    formula->SetContextValue(context);
    return formula;
}

std::unique_ptr<IBaseFormula> makeMeasure(void *context, const FormulaTarget &)
{
    auto formula = std::make_unique<TestMeasure>();
    formula->SetContextValue(context);
    return formula;
}

struct KindMaker
{
    FORMULA_ATTACH_KIND category;
    int type;
    FormulaMaker maker;
};

const KindMaker kMakers[] = {
    {FORMULA_ATTACH_NONE, kMeasureType, &makeMeasure},
    {FORMULA_ATTACH_POINT, kPointType, &makeForPoint},
    {FORMULA_ATTACH_PATTERN, kDartType, &makeForPattern<kDartType>},
    {FORMULA_ATTACH_PATTERN, kComplexDartType, &makeForPattern<kComplexDartType>},
    {FORMULA_ATTACH_PATTERN, kProportionalType, &makeForPattern<kProportionalType>},
    {FORMULA_ATTACH_NONE, kRelativeType, &makeGlobal<kRelativeType>},
};

class TestClassRegistry : public CClassRegistry
{
public:
    TestClassRegistry()
    {
        const CFormulaClassRegistry &library = CFormulaClassRegistry::Get();
        for (int i = 0; i < library.GetCount(); ++i)
            Register(library.GetIdAt(i), library.GetClassAt(i), library.GetElementNameAt(i));
        Register(100, TestMeasure::GetThisClass(), "TestMeasure");
        Register(101, TestFormula::GetThisClass(), "TestFormula");
    }
};

const CClassRegistry &libraryClassRegistry()
{
    return CFormulaClassRegistry::Get();
}

} // namespace

const CClassRegistry &testClassRegistry()
{
    static const TestClassRegistry registry;
    return registry;
}

TestKinds::TestKinds()
{
    for (const KindMaker &kind : kMakers) {
        m_replaced.push_back({kind.category, kind.type,
                              CFormulaFactory::SetMaker(kind.category, kind.type, kind.maker)});
    }
    CFormulaFactory::SetClassRegistrySource(&testClassRegistry);
}

TestKinds::~TestKinds()
{
    CFormulaFactory::SetClassRegistrySource(&libraryClassRegistry);
    for (const Replaced &kind : m_replaced)
        CFormulaFactory::SetMaker(kind.category, kind.type, kind.previous);
}

} // namespace testformulas
