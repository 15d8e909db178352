#pragma once
// String identifiers of the small language libraries the support tests load.
#define IDS_TEST_LANGUAGE 1   // the library's language name
