// Debian's chromium driven by playwright-core: headless, kept off the network, with a fresh
// profile that is removed afterwards. The one way the page's checks and benchmark start it.
"use strict";
const fs = require("fs");
const os = require("os");
const path = require("path");
const { chromium } = require("playwright-core");

// What use(context) gives back, the browser closed however use ends.
async function withChromium(use) {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), "page-chromium-"));
    let context;
    try {
        context = await chromium.launchPersistentContext(profile, {
            executablePath: "/usr/bin/chromium",
            headless: true,
            offline: true,
            args: ["--no-sandbox", "--disable-gpu", "--disable-background-networking",
                "--disable-component-update", "--disable-sync", "--no-first-run"],
        });
        return await use(context);
    } finally {
        if (context)
            await context.close();
        fs.rmSync(profile, { recursive: true, force: true });
    }
}

module.exports = { withChromium };
