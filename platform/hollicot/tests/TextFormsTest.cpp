// Morvane Hollicot formula parser tests.
// Every text form that the formulas and the rule conversion write is accepted as it is written.
#include "platform/hollicot/GradeParse.h"

#include "ScopedLocale.h"

#include <gtest/gtest.h>

using namespace hollicot;

namespace {

constexpr const char *kWrittenForms[] = {
    "%PA(0,0,P5)=(3,-2)",
    "%PA(0,0,P5)=P3-P4",
    "%PA(1,2,P4)=P9",
    "%PA(0,0,P7)=%RG(45.000000,d,0)",
    "%PA(0,0,P7)=%RG(0.000000,5 - SYSTEMPARSERVAR,0)",
    "%PA(0,0,P7)=%IS(P7,P2,P4)",
    "%PA(0,0,P7)=%ROTA(P7, P3, 15.00, 1)",
    "%PA(0,0,P7)=%ROT(P7, P3, 15, 2.5, 0)",
    "%PA(0,0,P7)=%CLE(P7,P3,5,1.000000)",
    "%PA(0,0,P7)=%CLE(P7,P3,5 - SYSTEMPARSERVAR,1.000000)",
    "%PA(0,0,P7)=%CLE(P7,P3,(-0.707107*m3),1.000000)",
    "%PA(1,1,S3)=%CR(S3,P1,0,P1,P9,1)",
    "%PA(0,0,P7)=%IPLM(P7,P1,P2, 0.0)",
    "%PA(0,0,P7)=%IPLM(P7,P1,P2, 90.0)",
    "%PA(0,0,P7)=%IPL(P7,P1,P2)",
    "%PA(1,1,P7)=%DGC(P7,P2,P1,P0,dv)",
    "%PA(0,0,P7)=%ROTL(P7, P1, P2, 1)",
    "%PA(0,0,P5)=%SYM(P3,0,,)",
    "%PA(0,0,P5)=%SYM(P3,3,P8,P9)",
    "%PA(1,1,P4)=%IPL(P4,P1,P2)",
    "%PA(1, 1, P7)=%GI(P7,2,P1,P2,P3)",
    "%PA(1, 1, P7)=%GI(P7,2,)",
    "%PA(0, 2, P1,P2,P3)=%RG(0.000000,dx,)",
    "%PA(0,0,P5,P6)=P1-P2",
    "%PA(0,0,P5)=((0.707107*m3),(-0.5*m3))",
    "%PA(1,2,waist)=(a+b,0)",
    "%PA(1,1,S3)=%INC(2)*P1",
    "%IP2P(P1,P2,P3,P4,-90.000000,1)",
    "%DG(A,B,C,p2,p0,p1,0,0.000000,0,0)",
    "%DGA(A,B,C,p2,p0,p1,1,12.500000,1,1)",
    "%LG(A,B,C,D,E,F,p0,p1)",
    "%MF(%LP(P1, P9), P9_1)",
    "%RKD(%LP(P1, P9), P9_1, 0)",
    "%TR(%LP(P1, P9), P9_1.X-P9.X, P9_1.Y-P9.Y)",
    "%RKD(%LP(P1, P9), P9_1, 32769)",
    "%LHD(%LP(P1, P9), %VA(k1,k2))",
    "%LHD(%LP(P1, P9), %VA(P1,P2,P3,P9))",
    "%LHD(%LP(P1, P9), %VA(P1,,P9))",
    "%PA(1, 1, P7)=%GI(P7,2,P1)\n%PA(1, 1, P8)=%GI(P8,2,P1)",
    "waist/4+2",
    "%INC(3)",
    "(-0.707107*m3)",
    "B3S2.x + P1.y",
    "-.5 + 1. + 2e3",
    "3XL * 2",
    "a // a note",
    "",
};

TEST(TextFormsTest, AcceptsEveryWrittenForm)
{
    const auto parser = CGradeDataFactory::MakeGradeData();
    for (const char *text : kWrittenForms) {
        SCOPED_TRACE(text);
        EXPECT_EQ(parser->CreateExpression()->SetText(text), 0);
    }
}

TEST(TextFormsTest, AcceptsThemTheSameUnderADecimalComma)
{
    const ScopedLocale german("de_DE.UTF-8");
    const auto parser = CGradeDataFactory::MakeGradeData();
    for (const char *text : kWrittenForms) {
        SCOPED_TRACE(text);
        EXPECT_EQ(parser->CreateExpression()->SetText(text), 0);
    }
}

} // namespace
