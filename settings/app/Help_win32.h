// The help window: the page of one window in the UI language, and never a second help window.
#pragma once

#include "app/HelpTopics.h"

namespace tapstart {

// Shows the topic's page of "pantik.chm" beside the program, in a help window titled string 3000 followed by
// string 3003. When a window of class "HH Parent" with that title is open already, its last active popup comes
// to the front; the program's own help window also turns to the topic's page, one another program opened is
// left on its page. A help file or HTML Help that cannot be opened shows nothing and is not reported.
void OpenHelp(HelpTopic topic);

}  // namespace tapstart
