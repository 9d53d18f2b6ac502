#pragma once
// The program's resource module: what every entry point installs at start.

#include "platform/win/resources.h"

#include <span>

std::span<const StringResource> CorvaneStringTable();
const VersionBlock& CorvaneVersionBlock();
std::span<const DialogTemplate> CorvaneDialogTemplates();
std::span<const IconResource> CorvaneIcons();
std::span<const BitmapResource> CorvaneBitmaps();

// The module with every resource of the program; installed by
// UseCorvaneResources() before anything is loaded by identifier.
const ResourceModule& CorvaneResources();
void UseCorvaneResources();
