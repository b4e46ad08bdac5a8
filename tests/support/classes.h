// The component's eleven public classes, for tests that go over them all.
#pragma once
#include "vestrel_h.h"

struct ClassCase {
    const char* name;
    const CLSID* clsid;
    const IID* iid;
};

inline const ClassCase kClasses[] = {
    {"BarButtons", &CLSID_BarButtons, &IID__BarButtons},
    {"BarTitle", &CLSID_BarTitle, &IID__BarTitle},
    {"Border", &CLSID_Border, &IID__Border},
    {"Check", &CLSID_Check, &IID__Check},
    {"cmdClose", &CLSID_cmdClose, &IID__cmdClose},
    {"Label_Status", &CLSID_Label_Status, &IID__Label_Status},
    {"Label_Suggestions", &CLSID_Label_Suggestions, &IID__Label_Suggestions},
    {"Label_txtWord", &CLSID_Label_txtWord, &IID__Label_txtWord},
    {"lst_Suggestions", &CLSID_lst_Suggestions, &IID__lst_Suggestions},
    {"Spelling", &CLSID_Spelling, &IID__Spelling},
    {"txtTWord", &CLSID_txtTWord, &IID__txtTWord},
};
