// Morvane formula library.
// A text parameter of a formula: its text and whether it is an expression.
#include "formulas/StrParam.h"

using namespace morvane;

static const CRuntimeClass kStrParamClass("CStrParam", &CreateObjectOf<CStrParam>,
                                          CMvItem::GetThisClass());

const CRuntimeClass *CStrParam::GetThisClass()
{
    return &kStrParamClass;
}

CStrParam::CStrParam()
{
    AddStringAttribute(&m_sValue, "value", XmlPresence::Required, XmlForm::Attribute);
    AddIntAttribute(&m_eType, "type", XmlPresence::WhenSet, XmlForm::Attribute);
}
