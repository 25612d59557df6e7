#pragma once

// Marks a text for Qt's translation tools without making the model depend on Qt: lupdate finds
// the macro by its name, the text stays as it is here, and the layer that shows it translates
// it under the given context. Spelled exactly as Qt spells it, so either definition may come
// first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
