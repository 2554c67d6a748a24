// To be removed once search and output are converted: the progress frame is ProgressView.
#pragma once

#include "catalogue/Transitional.h"
