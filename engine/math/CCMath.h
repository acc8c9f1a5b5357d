#pragma once
// Every math and colour type in one include.
#include "base/ccTypes.h"
#include "math/Mat4.h"
#include "math/MathUtil.h"
#include "math/Rect.h"
#include "math/Size.h"
#include "math/Vec2.h"
#include "math/Vec3.h"
#include "math/Vec4.h"
