#include "engine/protection_view.h"

CProtectionView::~CProtectionView() = default;
