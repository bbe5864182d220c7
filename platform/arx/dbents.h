// The drawing's entities, in one include.
#pragma once

#include "db3dpl.h"
#include "db_entity_extents.h"
#include "db_entity_iterator.h"
#include "dbattr.h"
#include "dbblkref.h"
#include "dbline.h"
#include "dbpl.h"
#include "dbpl2d.h"
#include "dbpoint.h"
#include "dbtext.h"
