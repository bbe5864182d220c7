// The C interface to the working database's symbol tables.
#pragma once

#include "AdAChar.h"
#include "adscodes.h"
#include "adsdef.h"

// The entry of a symbol table as a new list (free it with acutRelRb), or null when the table or
// the name is unknown. tableName is "APPID", "BLOCK", "LAYER", "LTYPE" or "STYLE" (any case).
// The list holds (0 table name) (2 name) (70 flags) and, by table: layers (62 colour, negative
// when off) (6 linetype); blocks (10 origin); text styles (40 size) (41 width) (50 oblique)
// (3 font file) (4 big font file); linetypes (3 description). setNext is accepted and ignored.
resbuf* acdbTblSearch(const ACHAR* tableName, const ACHAR* symbol, int setNext);

// Registers an application name in the "APPID" table: RTNORM when added; RTERROR when it is
// already registered, when the name is not valid, or without a working database.
int acdbRegApp(const ACHAR* appName);

// RTNORM when name is a valid symbol table name: 1 to 255 characters, none of <>/\":;?*|,=`
// nor control characters ('|' allowed when pipeTest is 0). RTERROR otherwise.
int acdbSNValid(const ACHAR* name, int pipeTest);
