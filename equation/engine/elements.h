// Every element kind, for code that builds or inspects trees.
#pragma once

#include "char_element.h"
#include "element.h"
#include "enclosure.h"
#include "function_element.h"
#include "group_element.h"
#include "pane_elements.h"
#include "structure_elements.h"
#include "text_element.h"
