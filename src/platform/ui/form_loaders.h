#pragma once

#include <QString>

#include <functional>

class FormWindow;

// Windows loaded by name: a loader returns the window, created and loaded on first use
// (Forms::get<T>()). Registering an empty loader forgets the name.
using FormLoader = std::function<FormWindow*()>;
void registerFormLoader(const QString& name, FormLoader loader);
// The loaded window of that name, else a newly loaded one; nullptr when no loader knows it.
FormWindow* loadForm(const QString& name);
