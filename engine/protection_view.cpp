#include "protection_view.h"

CProtectionView::~CProtectionView() = default;
