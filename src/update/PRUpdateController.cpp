#include "PRUpdateController.h"

PRUpdateController::~PRUpdateController() = default;
