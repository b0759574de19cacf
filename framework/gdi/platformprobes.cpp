#include "framework/gdi/platformprobes.h"

TPlatformProbes::TLibrary::~TLibrary() = default;

TPlatformProbes::~TPlatformProbes() = default;
