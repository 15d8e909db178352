#pragma once
// Resource identifiers of the pages area.
