#pragma once

// Evaluates the expression box and shows the value, or "表达式非法！", in the
// result box; an empty box empties the result box. The keyboard focus goes
// back to the expression box.
void RunCalculation();
