#pragma once
// Resource identifiers of the service area.
