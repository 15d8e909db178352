#pragma once
// One open of each side of a group package for all of its texts: while an
// object of this class lives, the group's names and its modules' texts are
// read through it, each side opened once, on first use. Without one, each
// reader opens the side for itself. An object made while another lives for
// the same group reads through that one.
#include "engine/MPIPackageTexts.h"

class CMPIGroupMsi;

class CMPIGroupTexts
{
public:
    explicit CMPIGroupTexts(CMPIGroupMsi& group);
    ~CMPIGroupTexts();
    CMPIGroupTexts(const CMPIGroupTexts&) = delete;
    CMPIGroupTexts& operator=(const CMPIGroupTexts&) = delete;

    // The reader of a side (0 the package file, any other value the
    // installed product); result: 0 or the open's failure, as
    // CMPIPackageTexts::Open gives them.
    const CMPIPackageTexts& Open(int source, UINT& result);

private:
    struct Side
    {
        CMPIPackageTexts texts;
        bool opened = false;
        UINT result = ERROR_SUCCESS;
    };

    CMPIGroupMsi& m_Group;
    CMPIGroupTexts* m_pShared;   // whose opens are used: this, or the one that lived first
    Side m_Sides[2];
};
