#pragma once
// Resource identifiers of the wizard area.
