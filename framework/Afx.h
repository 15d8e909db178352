#pragma once
// The core of the class-library layer in one include.
#include "framework/Diag.h"
#include "framework/CString.h"
#include "framework/CObject.h"
#include "framework/Collections.h"
#include "framework/CFileFind.h"
#include "framework/AppCore.h"
#include "framework/Seams.h"
#include "framework/Handles.h"
