#pragma once

// A software renderer turns each new kind of batch it is sent into machine
// code the first time it draws one, a matter of milliseconds: without this,
// the first question, its panel and outline in one batch, would show a
// frame late. Sends the kinds of untextured batch the widgets use once, with
// a current context, before the first frame clears what they drew; the
// OpenGL state is left as it was found.
void WarmUpRenderer();
