// Morvane program documents.
// What a grade-model plug-in exports: one factory function without arguments, by its C name.
#pragma once

class IGradeModel;

/// The factory a plug-in exports with C linkage: a new model, which the program ends with
/// IGradeModel::Release, or null on failure. Plug-ins are built with the program's compiler, so
/// the C++ interface crosses as it is.
using GradeModelFactoryFunction = IGradeModel *(*)();

/// The exported names of the factories, by plug-in: libostrel.so, libwendrake.so and
/// libwendrakewrapper.so.
inline constexpr const char *kMaskFilesFactorySymbol = "CGradeModelFactory_Make";
inline constexpr const char *kModelFilesFactorySymbol = "CGradeMDLModelFactory_Make";
inline constexpr const char *kClientProgramFactorySymbol = "CMdlGradeModelWrapperFactory_Make";
