#include "engine/protection_view.h"

CRunReporter::~CRunReporter() = default;

CProtectionView::~CProtectionView() = default;
