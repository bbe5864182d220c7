// Result-buffer lists and strings allocated by the host, and the host heap.
#pragma once

#include <cstddef>

#include "acadstrc.h"
#include "adsdef.h"

// A new zeroed result buffer of type restype, or null when the type is not known to the host.
resbuf* acutNewRb(int restype);
// Frees a whole list with its strings and binary chunks. Returns RTNORM (RTERROR for null).
int acutRelRb(resbuf* list);
// Builds a list from type/value pairs ending with 0 or RTNONE. A value's C type follows its
// type code: const ACHAR* for strings, double for reals, const ads_real* for points, int for
// shorts and 32-bit integers, long long for RTINT64, ads_binary* for binary chunks, an ads_name
// for entity names; RTLB, RTLE, RTDOTE, RTNIL, RTT, RTVOID and -3 take no value. RTDXF0 stands
// for group code 0. Returns null for an unknown type code or a null string.
resbuf* acutBuildList(int rtype, ...);

// A copy of input made with new[]; acutDelString frees it and nulls the pointer.
Acad::ErrorStatus acutNewString(const ACHAR* input, ACHAR*& output);
void acutDelString(ACHAR*& string);
// Replaces output by a copy of input.
Acad::ErrorStatus acutUpdString(const ACHAR* input, ACHAR*& output);

// The host heap; the heap handle is accepted for interface compatibility and may be null.
void* acHeapAlloc(void* heap, std::size_t size);
void acHeapFree(void* heap, void* block);
