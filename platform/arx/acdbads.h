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

// Makes an entity from an entity list: group 0 names its type ("LINE", "POINT", "TEXT", "ATTDEF",
// "INSERT", "POLYLINE"), DXF groups give its data (8 layer, made when the drawing lacks it; 62
// colour; 6 linetype), and -3 followed by 1001 items its extended data. Outside a block definition
// the entity joins model space. A "POLYLINE", or an "INSERT" with 66 = 1, is followed by "VERTEX"
// or "ATTRIB" lists and completed by "SEQEND". "BLOCK" (2 name, 70 flags, 10 base point) begins a
// block definition that gathers the entities until "ENDBLK"; with flag 1 and a name beginning with
// "*" the block is anonymous and named "*U<n>". ENDBLK answers RTKWORD, and acedGetInput then
// gives the block's name. A named block the drawing has is defined anew.
// RTNORM when the list is taken. RTREJ, with the reason in ERRNO, when it is refused (an unknown
// type, block, style or linetype, a missing or wrong group, a list out of order): what was being
// gathered is then discarded and the drawing stays as it was. A null list discards what was being
// gathered and answers RTERROR, as does a call without a drawing.
int acdbEntMake(const resbuf* entityList);
// The last entity of model space that is not erased: RTNORM, or RTERROR when there is none.
int acdbEntLast(ads_name result);
// The entity's list (free it with acutRelRb): (-1 name) (0 type) (330 owner) (5 handle) (8 layer),
// (62 colour) when not BYLAYER, then the groups of its type as acdbEntMake reads them. Null for a
// name that names no entity.
resbuf* acdbEntGet(const ads_name entity);
// As acdbEntGet, followed by -3 and the extended data of the applications named in the list of
// RTSTR items.
resbuf* acdbEntGetX(const ads_name entity, const resbuf* applications);
