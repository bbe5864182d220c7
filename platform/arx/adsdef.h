// Data types of the host's C interface: points, entity names and result buffers.
#pragma once

#include "AdAChar.h"
#include "adesk.h"

using ads_real = double;
using ads_point = ads_real[3];
using ads_name = Adesk::LongPtr[2];
using ads_matrix = ads_real[4][4];

enum { X = 0, Y = 1, Z = 2 };

struct ads_binary {
    short clen;
    char* buf;
};

union ads_u_val {
    ads_real rreal;
    ads_real rpoint[3];
    short rint;
    ACHAR* rstring;
    Adesk::Int32 rlong;
    Adesk::LongPtr mnLongPtr;
    Adesk::Int64 mnInt64;
    ads_binary rbinary;
    unsigned char ihandle[8];
    ads_name rlname;
};

// One item of a linked list: a type (an RT code or a DXF group code) and its value.
// Strings and binary chunks belong to the list; acutRelRb frees them.
struct resbuf {
    resbuf* rbnext;
    short restype;
    ads_u_val resval;
};
