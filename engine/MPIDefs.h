#pragma once
// Run modes, run results and the two small value holders that carry them
// between the service, the engine, the package model and the wizard.
#include <windows.h>

// The mode of an install or removal run.
typedef int MPISetupMode;
enum
{
    MPI_MODE_INSTALL_NEWER = 0,   // setup type 0: packages newer than installed
    MPI_MODE_INSTALL_MODULES = 1, // setup type 1: the modules of every group file
    MPI_MODE_INSTALL_CUSTOM = 2,  // setup type 2: the modules the user selected
    MPI_MODE_REMOVE_ALL = 3,      // remove everything installed
    MPI_MODE_REMOVE_GROUPS = 4,   // remove installed groups shipped beside us
    MPI_MODE_REMOVE_MODULES = 5   // remove the modules the user picked
};

// The end result of a run.
typedef int MPIRunStatus;
enum
{
    MPI_RUN_NONE = 0,
    MPI_RUN_PARTIAL = 1,
    MPI_RUN_COMPLETE = 2,
    MPI_RUN_PARTIAL_REBOOT = 3,
    MPI_RUN_COMPLETE_REBOOT = 4
};

// TRUE for the install modes 0, 1 and 2; FALSE for removals and anything else.
BOOL IsInstallMode(MPISetupMode mode);

// The setup type the user chose (0, 1 or 2).
class CMPISetupTypeValue
{
public:
    CMPISetupTypeValue() : m_Value(0) {}

    CMPISetupTypeValue& SetSetupType(MPISetupMode mode) { m_Value = mode; return *this; }
    MPISetupMode GetSetupType() const { return m_Value; }
    BOOL IsSetupType(MPISetupMode mode) const { return m_Value == mode ? TRUE : FALSE; }
    // The install mode of a run for this setup type: 1 and 2 map to
    // themselves, everything else to 0.
    MPISetupMode GetRunMode() const;

private:
    int m_Value;
};

// The end result of a run as the finish page sees it.
class CMPIRunStatusValue
{
public:
    explicit CMPIRunStatusValue(MPIRunStatus status = MPI_RUN_NONE) : m_Value(status) {}

    CMPIRunStatusValue& SetValue(MPIRunStatus status) { m_Value = status; return *this; }
    MPIRunStatus GetValue() const { return m_Value; }
    // Nothing ran.
    BOOL IsZero() const { return m_Value == MPI_RUN_NONE ? TRUE : FALSE; }
    // A package asked for a restart.
    BOOL IsThreeOrFour() const;

private:
    int m_Value;
};
