#pragma once
// Resource identifiers of the controls area: the tree list boxes' images
// and the tooltip texts of their check boxes.

// Bitmaps (generated at build time by make_controls_bitmaps.py).
#define IDB_CTL_TREE_GLYPHS     103   // 2 x 16 px: plus (collapsed), minus (expanded); mask RGB(0,0,255)
#define IDB_CTL_CHECK_IMAGES    167   // 4 x 16 px: all, some, checked leaf, unchecked; mask white

// Tooltip texts over a row's check box.
#define IDS_CTL_TIP_LEAF_CHECKED      4130
#define IDS_CTL_TIP_LEAF_UNCHECKED    4131
#define IDS_CTL_TIP_GROUP_ALL         4132
#define IDS_CTL_TIP_GROUP_SOME        4133
#define IDS_CTL_TIP_GROUP_NONE        4134
