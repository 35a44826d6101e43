// The empty base that marks every component interface of the library.
#pragma once

struct IOrvBase {};
