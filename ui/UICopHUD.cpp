#include "ui/UICopHUD.h"

// The panel's frame and contents come with the HUD's own work.
UICopHUD::UICopHUD() = default;

UICopHUD::~UICopHUD() = default;
