// Live heap blocks of the whole test program (operator new minus operator
// delete), so a test can see that an owner freed everything it held.
#pragma once

long liveHeapBlocks();
