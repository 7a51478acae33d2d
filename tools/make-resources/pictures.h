// The two pictures of the certificate: the issuing municipality's coat of
// arms (60 x 62 px) and the quality-certification mark (90 x 62 px).
#pragma once

#include "raster.h"

namespace rq::pictures {

Raster coatOfArms();
Raster qualityMark();

} // namespace rq::pictures
