// drillreport's page checked by axe-core inside Debian's chromium, in a wide and in a narrow
// window: no violation of the kind "serious" or "critical", and no page wider than the window.
// Usage: NODE_PATH=node_modules node page_axe.js PAGE
"use strict";
const fs = require("fs");
const os = require("os");
const path = require("path");
const { chromium } = require("playwright-core");

const widths = [1000, 360];
const blocking = new Set(["serious", "critical"]);

async function check(context, url, width) {
    const problems = [];
    const page = await context.newPage();
    await page.setViewportSize({ width, height: 800 });
    await page.goto(url);
    const overflow = await page.evaluate(
        () => document.documentElement.scrollWidth - document.documentElement.clientWidth);
    if (overflow > 0)
        problems.push(`${width}px: the page is ${overflow}px wider than the window`);
    await page.addScriptTag({ path: require.resolve("axe-core/axe.min.js") });
    const results = await page.evaluate(() => axe.run(document, { resultTypes: ["violations"] }));
    for (const violation of results.violations) {
        if (!blocking.has(violation.impact))
            continue;
        const where = violation.nodes.slice(0, 3).map((node) => node.target.join(" ")).join(", ");
        problems.push(`${width}px: ${violation.impact} ${violation.id} (${violation.help}) at ${where}`);
    }
    console.log(`${width}px: axe-core ${results.testEngine.version} found ` +
        `${results.violations.length} kinds of violation in all`);
    await page.close();
    return problems;
}

(async () => {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), "page-axe-"));
    let problems = [];
    let context;
    try {
        context = await chromium.launchPersistentContext(profile, {
            executablePath: "/usr/bin/chromium",
            headless: true,
            offline: true,
            args: ["--no-sandbox", "--disable-gpu", "--disable-background-networking",
                "--disable-component-update", "--disable-sync", "--no-first-run"],
        });
        const url = "file://" + path.resolve(process.argv[2]);
        for (const width of widths)
            problems = problems.concat(await check(context, url, width));
    } catch (error) {
        problems.push(String(error));
    } finally {
        if (context)
            await context.close();
        fs.rmSync(profile, { recursive: true, force: true });
    }
    for (const problem of problems)
        console.error("FAIL: " + problem);
    process.exit(problems.length > 0 ? 1 : 0);
})();
