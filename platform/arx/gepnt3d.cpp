#include "gepnt3d.h"

AcGeTol AcGeContext::gTol;
const AcGePoint3d AcGePoint3d::kOrigin(0.0, 0.0, 0.0);
