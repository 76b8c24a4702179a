#pragma once

// The program's version and build number as the build wrote them into its data: the markers
// with five-digit fields between them (see ApplicationSettings::parseVersionStamp). Each
// program links its own.
extern const char kVersionStamp[];
extern const char kBuildStamp[];
