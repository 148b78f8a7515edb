// drillreport's page timed in Debian's chromium, headless, against a baseline of as many
// bytes of plain text: how long until the page has loaded and its first screen is drawn, how
// long a jump to the last learner takes until drawn, and how many elements and nodes it holds.
// The best of RUNS fresh loads each. Prints one line per page.
// Usage: NODE_PATH=node_modules node page_benchmark.js RUNS PAGE...
"use strict";
const fs = require("fs");
const path = require("path");
const { withChromium } = require("./chromium");

// Milliseconds from the start of navigation: loaded, and drawn two frames after that.
async function load(context, url) {
    const page = await context.newPage();
    await page.setViewportSize({ width: 1280, height: 900 });
    await page.goto(url, { waitUntil: "load" });
    const times = await page.evaluate(() => new Promise((done) => {
        requestAnimationFrame(() => requestAnimationFrame(() => done({
            loaded: performance.getEntriesByType("navigation")[0].loadEventEnd,
            drawn: performance.now(),
        })));
    }));
    // The last learner's part, reached by its link as a reader would, and drawn.
    times.jump = await page.evaluate(() => new Promise((done) => {
        const links = document.querySelectorAll(".overview a");
        if (links.length === 0)
            return done(0);
        const start = performance.now();
        location.hash = links[links.length - 1].getAttribute("href");
        requestAnimationFrame(() => requestAnimationFrame(() => done(performance.now() - start)));
    }));
    Object.assign(times, await page.evaluate(() => {
        let nodes = 0;
        const walker = document.createTreeWalker(document, NodeFilter.SHOW_ALL);
        while (walker.nextNode())
            nodes++;
        return { elements: document.getElementsByTagName("*").length, nodes };
    }));
    await page.close();
    return times;
}

(async () => {
    const runs = Number(process.argv[2]);
    let failed = false;
    try {
        await withChromium(async (context) => {
            for (const file of process.argv.slice(3)) {
                let best;
                for (let run = 0; run < runs; ++run) {
                    const times = await load(context, "file://" + path.resolve(file));
                    if (!best || times.drawn < best.drawn)
                        best = times;
                    best.jump = Math.min(best.jump, times.jump);
                }
                console.log(`${path.basename(file)}: ${fs.statSync(file).size} bytes, ` +
                    `${best.elements} elements, ${best.nodes} nodes; ` +
                    `loaded ${best.loaded.toFixed(0)} ms, drawn ${best.drawn.toFixed(0)} ms, ` +
                    `a jump to the last learner drawn ${best.jump.toFixed(0)} ms`);
            }
        });
    } catch (error) {
        console.error("FAIL: " + error);
        failed = true;
    }
    process.exit(failed ? 1 : 0);
})();
