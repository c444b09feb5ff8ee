// Test programs under node: prepended to Emscripten's loader.

// Emscripten 3.1.6's loader fetches the .wasm whenever fetch exists, which
// node 18 and later have, and fails on a file path: it then reads the file.
delete globalThis.fetch;

// Emscripten's getenv sees a few defaults of its own, not the variables
// CTest sets.
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function () {
    Object.assign(ENV, process.env);
});
