#pragma once
// Helpers shared by the benchmark programs (fixture installations, generated data).
