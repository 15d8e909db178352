#pragma once
// Resource identifiers of the controls area.
